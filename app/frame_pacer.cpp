#include "app/frame_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace lirvane::gui {

FramePacer::FramePacer(QWidget* window) : QObject(window), window_(window) {
  qreal rate = window->screen() ? window->screen()->refreshRate() : 60.0;
  frameMs_ = std::max(1, int(std::lround(1000.0 / (rate > 0 ? rate : 60.0))));
  pending_.setSingleShot(true);
  pending_.setTimerType(Qt::PreciseTimer);
  connect(&pending_, &QTimer::timeout, this, [this] {
    QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
  });
  window->installEventFilter(this);
}

bool FramePacer::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::UpdateRequest) return false;
  if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= frameMs_) {
    sinceRepaint_.start();
    return false;  // the first repaint of a frame goes through
  }
  // Held back: the window keeps its changes marked, and one request at the
  // frame's end repaints them all.
  if (!pending_.isActive()) pending_.start(int(frameMs_ - sinceRepaint_.elapsed()));
  return true;
}

}  // namespace lirvane::gui
