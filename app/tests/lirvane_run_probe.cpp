// Runs the whole program and closes its window, for the tests:
//   lirvane_run_probe close                    with the close button, once shown
//   lirvane_run_probe escape                   with the Esc key, once shown
//   lirvane_run_probe fetch-escape N WHEN      fetches number N, then presses Esc
//                                              when the status line first shows
//                                              "获取中.." (WHEN=downloading) or
//                                              when rows appear (WHEN=listing)
//   lirvane_run_probe fetch-stay N             fetches number N, prints "listed"
//                                              and stays until stopped
//   lirvane_run_probe fetch-close N MS         fetches number N and closes the
//                                              window MS milliseconds after the
//                                              press, printing the wall-clock time
// Prints what became of g_matcher, and exits with the program's code.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "app/application.h"
#include "app/main_window.h"
#include "app/number_edit.h"
#include "regex/regex_matcher.h"

namespace {

std::string g_mode, g_number, g_when;

lirvane::gui::MainWindow* mainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<lirvane::gui::MainWindow*>(widget);
        window && window->isVisible())
      return window;
  }
  return nullptr;
}

void pressEscape(QWidget* window) {
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(target, &escape);
}

// Watches the window until the moment to press Esc has come.
void escapeWhenReady() {
  auto* window = mainWindow();
  bool ready = window &&
               (g_when == "downloading" ? window->statusPart()->text() == QStringLiteral("获取中..")
                                        : window->songList()->model()->rowCount() > 100);
  if (!ready) {
    QTimer::singleShot(1, escapeWhenReady);
    return;
  }
  std::printf("escape while %s\n", g_when.c_str());
  std::fflush(stdout);
  pressEscape(window);
}

void announceWhenListed() {
  auto* window = mainWindow();
  if (window && window->fetchButton()->isEnabled() &&
      window->statusPart()->text().startsWith(QStringLiteral("QQ:"))) {
    std::printf("listed\n");
    std::fflush(stdout);
    return;
  }
  QTimer::singleShot(20, announceWhenListed);
}

void actOnceShown() {
  QTimer::singleShot(200, [] {
    auto* window = mainWindow();
    if (!window) return;
    std::printf("window shown, matcher %s\n", lirvane::g_matcher ? "alive" : "missing");
    if (g_mode == "close") {
      window->close();
    } else if (g_mode == "escape") {
      pressEscape(window);
    } else if (g_mode == "fetch-stay") {
      window->numberBox()->setText(QString::fromStdString(g_number));
      window->fetchButton()->click();
      announceWhenListed();
    } else if (g_mode == "fetch-close") {
      window->numberBox()->setText(QString::fromStdString(g_number));
      window->fetchButton()->click();
      QTimer::singleShot(std::atoi(g_when.c_str()), [] {
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("closed at %lld.%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
        std::fflush(stdout);
        if (auto* shown = mainWindow()) shown->close();
      });
    } else if (g_mode == "fetch-escape") {
      window->numberBox()->setText(QString::fromStdString(g_number));
      window->fetchButton()->click();
      escapeWhenReady();
    }
  });
}
Q_COREAPP_STARTUP_FUNCTION(actOnceShown)

}  // namespace

int main(int argc, char** argv) {
  g_mode = argc > 1 ? argv[1] : "close";
  g_number = argc > 2 ? argv[2] : "";
  g_when = argc > 3 ? argv[3] : "";
  int code = lirvane::gui::runLirvane(argc, argv);
  std::printf("loop ended, matcher %s\n", lirvane::g_matcher ? "alive" : "destroyed");
  return code;
}
