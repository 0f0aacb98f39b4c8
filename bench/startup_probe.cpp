// Start-up to the first painted frame, for bench/startup_bench.py:
//   startup_probe lirvane   the whole program's start-up (runLirvane)
//   startup_probe minimal   a minimal Qt window of the same size
// Prints the wall-clock time of the first paint of the window, then ends.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/application.h"

namespace {

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget && widget->isWindow()) {
      // After this paint has gone through, the frame is on the screen.
      QMetaObject::invokeMethod(
          qApp,
          [] {
            timespec now;
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("%lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
            std::fflush(stdout);
            std::_Exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }
};

void watchForFirstPaint() { qApp->installEventFilter(new FirstPaint()); }
Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "minimal") == 0) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(486, 380);
    window.show();
    return app.exec();
  }
  return lirvane::gui::runLirvane(argc, argv);
}
