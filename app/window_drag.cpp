#include "app/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lirvane::gui {

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {}

void WindowDrag::addHandle(QWidget* handle) { handle->installEventFilter(this); }

bool WindowDrag::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) return false;
      QWindow* handle = window_->windowHandle();
      if (handle && handle->startSystemMove()) return true;
      following_ = true;
      grabOffset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
      return true;
    }
    case QEvent::MouseMove:
      if (!following_) return false;
      window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grabOffset_);
      return true;
    case QEvent::MouseButtonRelease:
      if (!following_) return false;
      following_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace lirvane::gui
