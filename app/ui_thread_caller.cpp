#include "app/ui_thread_caller.h"

namespace lirvane::gui {

UiThreadCaller::UiThreadCaller()
    : uiThread_(QThread::currentThread()), target_(std::make_unique<QObject>()) {}

UiThreadCaller::~UiThreadCaller() { close(); }

void UiThreadCaller::close() {
  {
    std::lock_guard lock(mutex_);
    open_ = false;
  }
  // Deleting the target discards the calls still queued for it, which
  // releases their waiting callers.
  target_.reset();
}

}  // namespace lirvane::gui
