// The QQ number box: a single-line edit box that takes only digits and the
// minus sign from the keyboard (and from an input method), lets pasted text
// through unfiltered, and empties itself whenever it receives the focus.
// UI thread only.
#pragma once

#include <QLineEdit>

namespace lirvane::gui {

class NumberEdit : public QLineEdit {
 public:
  explicit NumberEdit(QWidget* parent = nullptr);

  // The typed characters that stay: those below 32 and "0".."9" and "-".
  static QString filterTyped(const QString& typed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};

}  // namespace lirvane::gui
