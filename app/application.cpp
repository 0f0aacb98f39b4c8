#include "app/application.h"

#include <QApplication>
#include <QFile>

#include <memory>

#include "app/control_theme.h"
#include "app/fatal_error.h"
#include "app/fetch_launcher.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/song_list_menu.h"
#include "app/ui_thread_caller.h"
#include "regex/automation/com_runtime.h"
#include "regex/regex_matcher.h"
#include "text/utf8.h"

namespace lirvane {

RegexMatcher* g_matcher = nullptr;

namespace gui {
namespace {

bool resourcesReadable() {
  for (const char* name : {":/lirvane/icon.png", ":/lirvane/banner.png"}) {
    QFile file(QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return false;
  }
  return true;
}

}  // namespace

int runLirvane(int& argc, char** argv) {
  QApplication app(argc, argv);
  installAllocationFailureStop();
  UiThreadCaller fatalBoxThread;
  setFatalBoxThread(&fatalBoxThread);

  // The UI thread's own automation set-up, for the program's whole life.
  automation::CoInitialize();
  if (!resourcesReadable()) fatalStop(textFromUtf8(u8"载入窗口模板数据段出错!"));

  g_matcher = new RegexMatcher();
  setExitHandler([] {
    delete g_matcher;
    g_matcher = nullptr;
  });

  auto* window = new MainWindow();
  window->winId();
  if (!window->windowHandle()) fatalStop(textFromUtf8(u8"载入启动窗口失败"));
  MainWindowControls controls(window);
  FetchLauncher fetches(controls, *g_matcher);
  QObject::connect(window, &MainWindow::fetchRequested, window, [&fetches] { fetches.start(); });
  new SongListMenu(*window, controls);
  setControlTheme(1);
  window->centreOnScreen();
  window->show();
  window->activateWindow();

  int code = app.exec();

  // A fetch still running ends before the matcher it uses goes.
  fetches.finish();
  runExitHandler();
  automation::CoUninitialize();
  setFatalBoxThread(nullptr);
  return code;
}

}  // namespace gui
}  // namespace lirvane
