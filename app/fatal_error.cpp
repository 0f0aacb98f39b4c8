#include "app/fatal_error.h"

#include <QApplication>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "app/message_boxes.h"
#include "app/qt_text.h"
#include "app/ui_thread_caller.h"
#include "text/utf8.h"

namespace lirvane::gui {
namespace {

std::function<void()>& exitHandler() {
  static std::function<void()> slot;
  return slot;
}

std::atomic<UiThreadCaller*> g_boxThread{nullptr};
std::atomic<bool> g_stopping{false};

void showFatalBox(const QString& text) {
  showMessageBox(QMessageBox::Critical, QStringLiteral("错误"), text);
}

}  // namespace

QString fatalBoxText(const Text& message) {
  return QStringLiteral("运行时出错!\r\n\r\n错误信息：") + toQString(message) +
         QStringLiteral("\r\n");
}

Text allocationFailureMessage(std::size_t bytes) {
  return textFromUtf8(u8"分配 ") + Text(std::to_string(bytes)) + textFromUtf8(u8" 字节内存失败!");
}

void fatalStop(const Text& message) {
  // A second stop (say, an allocation failing while the box is built) ends
  // the process straight away.
  if (g_stopping.exchange(true)) std::_Exit(255);
  QString text = fatalBoxText(message);
  std::fprintf(stderr, "%s", text.toLocal8Bit().constData());
  if (qApp) {
    UiThreadCaller* caller = g_boxThread.load();
    if (caller && !caller->isUiThread()) {
      caller->call([&] { showFatalBox(text); });
    } else if (QThread::currentThread() == qApp->thread()) {
      showFatalBox(text);
    }
  }
  exitHandler() = nullptr;
  std::fflush(nullptr);
  std::_Exit(255);
}

void setFatalBoxThread(UiThreadCaller* caller) { g_boxThread = caller; }

void setExitHandler(std::function<void()> handler) { exitHandler() = std::move(handler); }

void runExitHandler() {
  auto handler = std::move(exitHandler());
  exitHandler() = nullptr;
  if (handler) handler();
}

void installAllocationFailureStop() {
  // Referenced from start-up so that the linker keeps this file's operator
  // new, which reports the size of the failed request.
}

}  // namespace lirvane::gui

// ThreadSanitizer brings its own operator new and delete, which cannot be
// replaced; there its allocator reports a failed allocation itself.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define LIRVANE_ALLOCATOR_OWNED_BY_SANITIZER 1
#endif
#endif

#ifndef LIRVANE_ALLOCATOR_OWNED_BY_SANITIZER
namespace {
void* allocateOrStop(std::size_t bytes) {
  if (void* memory = std::malloc(bytes ? bytes : 1)) return memory;
  lirvane::gui::fatalStop(lirvane::gui::allocationFailureMessage(bytes));
}
}  // namespace

void* operator new(std::size_t bytes) { return allocateOrStop(bytes); }
void* operator new[](std::size_t bytes) { return allocateOrStop(bytes); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
#endif
