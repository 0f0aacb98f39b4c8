// FetchLauncher: starts each fetch on a thread of its own at a press of the
// fetch button, and brings a running one to its end when the program ends.
//
// Contract:
// - start() disables the fetch button on the UI thread before the thread
//   exists, so a second press can never start a second fetch.
// - The UI thread never waits for a fetch while the window exists.
// - finish(), at the program's end: aborts the download in progress and
//   every later one, and waits until the running fetch has stopped using
//   the window's controls and the matcher; both must outlive that. The
//   destructor waits the same way but lets a download run to its end.
// UI thread only.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

namespace lirvane {
class RegexMatcher;
}

namespace lirvane::gui {

class MainWindowControls;

class FetchLauncher {
 public:
  FetchLauncher(MainWindowControls& controls, RegexMatcher& matcher);
  ~FetchLauncher();

  void start();
  void finish();

 private:
  void waitForRunning();

  // Counts the fetch threads still running; shared with them.
  struct Running {
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;  // guarded by mutex
  };

  MainWindowControls& controls_;
  RegexMatcher& matcher_;
  std::shared_ptr<Running> running_ = std::make_shared<Running>();
};

}  // namespace lirvane::gui
