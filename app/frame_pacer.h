// FramePacer: repaints a window at most once per display frame.
//
// A fetch changes the song list and the status line once per call, and a
// call takes some 10 microseconds; repainting the window after each would
// cost a millisecond a row. The pacer lets the first repaint of a frame
// through and holds back the requests that follow within the same frame;
// one repaint at the frame's end then draws everything changed meanwhile,
// so a change shows within one frame of its call.
// UI thread only; owned by the window it paces.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace lirvane::gui {

class FramePacer : public QObject {
 public:
  explicit FramePacer(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  int frameMs_;
  QElapsedTimer sinceRepaint_;
  QTimer pending_;
};

}  // namespace lirvane::gui
