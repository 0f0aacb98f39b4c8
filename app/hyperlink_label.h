// The feedback link: a caption drawn in blue, in another blue while the
// pointer is over it and in dark red once opened, with a pointing hand; a
// press of the left button opens its web address through the desktop.
// UI thread only.
#pragma once

#include <QLabel>
#include <QUrl>

namespace lirvane::gui {

class HyperlinkLabel : public QLabel {
 public:
  static constexpr QRgb kNormalColour = qRgb(0, 0, 255);
  static constexpr QRgb kHoverColour = qRgb(49, 106, 197);
  static constexpr QRgb kVisitedColour = qRgb(128, 0, 0);

  HyperlinkLabel(const QString& caption, QUrl target, QWidget* parent = nullptr);

  bool isPointerOver() const { return pointerOver_; }
  bool isVisited() const { return visited_; }
  QColor currentColour() const;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void updateColour();

  QUrl target_;
  bool pointerOver_ = false;
  bool visited_ = false;
};

}  // namespace lirvane::gui
