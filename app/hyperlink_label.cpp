#include "app/hyperlink_label.h"

#include <QMouseEvent>

#include "app/osutils/web_page_opener.h"

namespace lirvane::gui {

HyperlinkLabel::HyperlinkLabel(const QString& caption, QUrl target, QWidget* parent)
    : QLabel(caption, parent), target_(std::move(target)) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignCenter);
  setWordWrap(false);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  updateColour();
}

QColor HyperlinkLabel::currentColour() const {
  if (pointerOver_) return QColor(kHoverColour);
  return QColor(visited_ ? kVisitedColour : kNormalColour);
}

void HyperlinkLabel::updateColour() {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, currentColour());
  setPalette(p);
}

void HyperlinkLabel::enterEvent(QEnterEvent* event) {
  pointerOver_ = true;
  updateColour();
  QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event) {
  pointerOver_ = false;
  updateColour();
  QLabel::leaveEvent(event);
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QLabel::mousePressEvent(event);
    return;
  }
  visited_ = osutils::openWebPage(target_);
  updateColour();
  event->accept();
}

}  // namespace lirvane::gui
