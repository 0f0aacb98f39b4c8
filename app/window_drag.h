// Lets a window be dragged by the widgets it is given (its background, the
// banner, the group box, the label), as its caption bar would be: through
// the window manager's own move where there is one, by following the mouse
// otherwise.
// UI thread only.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace lirvane::gui {

class WindowDrag : public QObject {
 public:
  explicit WindowDrag(QWidget* window);
  // Presses of the left button on `handle` (not on its children) drag.
  void addHandle(QWidget* handle);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  bool following_ = false;
  QPoint grabOffset_;
};

}  // namespace lirvane::gui
