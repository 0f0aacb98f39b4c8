// Stops fatally on demand, for the tests: answers the fatal box through the
// test hook by printing what it would show, then lets the stop end the
// process.
//   fatal_stop_probe message <text>   a fatal stop with that (UTF-8) message
//   fatal_stop_probe memory           an allocation that cannot succeed
//   fatal_stop_probe worker <text>    a fatal stop raised on another thread
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <thread>

#include "app/fatal_error.h"
#include "app/message_boxes.h"
#include "app/ui_thread_caller.h"
#include "text/utf8.h"

using namespace lirvane;
using namespace lirvane::gui;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  installAllocationFailureStop();
  UiThreadCaller uiThread;
  setFatalBoxThread(&uiThread);
  setExitHandler([] { std::printf("exit handler ran\n"); });
  setMessageBoxHook([](QMessageBox& box) {
    std::printf("caption=%s\nicon=%d\ntext=%s", box.windowTitle().toUtf8().constData(),
                int(box.icon()), box.text().toUtf8().constData());
    std::fflush(stdout);
  });
  std::string mode = argc > 1 ? argv[1] : "";
  std::string utf8 = argc > 2 ? argv[2] : "";
  Text message = textFromUtf8(std::u8string(utf8.begin(), utf8.end()));
  QTimer::singleShot(0, [&] {
    if (mode == "memory") {
      volatile std::size_t huge = std::size_t(1) << 62;
      char* never = new char[huge];
      std::printf("allocated %p\n", static_cast<void*>(never));
    } else if (mode == "worker") {
      std::thread([&] { fatalStop(message); }).detach();
    } else {
      fatalStop(message);
    }
  });
  app.exec();
  runExitHandler();
  return 0;
}
