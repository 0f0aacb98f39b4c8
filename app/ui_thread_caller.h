// UiThreadCaller: runs a piece of work on the UI thread on behalf of any
// thread, the caller waiting for it, until the window it serves is gone.
//
// Contract:
// - call() on the UI thread runs the work at once; from another thread it
//   posts the work to the UI thread and waits until it has run.
// - The UI thread never waits for a caller: close() only takes a short lock.
// - After close(), call() returns at once without running anything, and a
//   caller still waiting for posted work is released without it running.
//   Either way it receives std::nullopt (or false for work without result).
// - Made, closed and destroyed on the UI thread; call() from any thread.
#pragma once

#include <QObject>
#include <QThread>

#include <memory>
#include <mutex>
#include <optional>
#include <semaphore>
#include <type_traits>

namespace lirvane::gui {

class UiThreadCaller {
 public:
  UiThreadCaller();
  ~UiThreadCaller();
  UiThreadCaller(const UiThreadCaller&) = delete;
  UiThreadCaller& operator=(const UiThreadCaller&) = delete;

  void close();
  bool isOpen() {
    std::lock_guard lock(mutex_);
    return open_;
  }
  bool isUiThread() const { return QThread::currentThread() == uiThread_; }

  // Runs `work` on the UI thread; its result, or nullopt when the caller is
  // closed.
  template <typename Work, typename Result = std::invoke_result_t<Work>>
  requires(!std::is_void_v<Result>) std::optional<Result> call(Work work) {
    auto state = std::make_shared<State<Result>>();
    bool ran = run([state, work = std::move(work)] { state->result = work(); });
    return ran ? std::move(state->result) : std::nullopt;
  }

  // The same for work without a result: true when it ran.
  template <typename Work>
  requires std::is_void_v<std::invoke_result_t<Work>>
  bool call(Work work) { return run(std::move(work)); }

 private:
  template <typename Result>
  struct State {
    std::optional<Result> result;
  };

  // Released when the posted work has run or has been thrown away.
  struct Completion {
    std::binary_semaphore done{0};
    bool ran = false;
  };

  template <typename Work>
  bool run(Work work) {
    if (isUiThread()) {
      if (!isOpen()) return false;
      work();
      return true;
    }
    auto completion = std::make_shared<Completion>();
    {
      std::lock_guard lock(mutex_);
      if (!open_) return false;
      // The guard is the lambda's last owner of the release: it fires when
      // the posted call has run, or when it is destroyed unrun because the
      // target went away.
      auto guard =
          std::shared_ptr<void>(nullptr, [completion](void*) { completion->done.release(); });
      bool posted = QMetaObject::invokeMethod(
          target_.get(),
          [completion, guard, work = std::move(work)]() mutable {
            work();
            completion->ran = true;
          },
          Qt::QueuedConnection);
      if (!posted) return false;
    }
    completion->done.acquire();
    return completion->ran;
  }

  QThread* const uiThread_;

  // Guards `open_` and the posting of work to `target_`.
  std::mutex mutex_;
  bool open_ = true;
  // Lives on the UI thread; deleting it throws away the work still posted.
  std::unique_ptr<QObject> target_;
};

}  // namespace lirvane::gui
