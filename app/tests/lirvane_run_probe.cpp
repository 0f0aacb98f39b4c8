// Runs the whole program and closes its window once shown, for the tests:
//   lirvane_run_probe close   through the window's close button
//   lirvane_run_probe escape  with the Esc key
// Prints what became of g_matcher, and exits with the program's code.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>

#include "app/application.h"
#include "regex/regex_matcher.h"

namespace {

bool g_useEscape = false;

void closeOnceShown() {
  QTimer::singleShot(200, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      std::printf("window shown, matcher %s\n", lirvane::g_matcher ? "alive" : "missing");
      if (g_useEscape) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &escape);
      } else {
        window->close();
      }
    }
  });
}
Q_COREAPP_STARTUP_FUNCTION(closeOnceShown)

}  // namespace

int main(int argc, char** argv) {
  g_useEscape = argc > 1 && std::strcmp(argv[1], "escape") == 0;
  int code = lirvane::gui::runLirvane(argc, argv);
  std::printf("loop ended, matcher %s\n", lirvane::g_matcher ? "alive" : "destroyed");
  return code;
}
