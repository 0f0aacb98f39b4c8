#include "app/number_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace lirvane::gui {

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent) {}

QString NumberEdit::filterTyped(const QString& typed) {
  QString kept;
  for (QChar c : typed) {
    if (c.unicode() < 32 || (c >= u'0' && c <= u'9') || c == u'-') kept.append(c);
  }
  return kept;
}

void NumberEdit::keyPressEvent(QKeyEvent* event) {
  // Control-key shortcuts (cut, copy, paste, undo, select all) type nothing,
  // whatever text a platform attaches to them.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QString typed = event->text();
  QString kept = filterTyped(typed);
  if (kept == typed) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Some of what the key would type is not allowed: the rest goes in.
  event->accept();
  if (!kept.isEmpty()) insert(kept);
}

void NumberEdit::inputMethodEvent(QInputMethodEvent* event) {
  QString commit = event->commitString();
  QString kept = filterTyped(commit);
  if (kept == commit) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

void NumberEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  clear();
}

}  // namespace lirvane::gui
