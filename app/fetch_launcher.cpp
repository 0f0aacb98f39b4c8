#include "app/fetch_launcher.h"

#include <system_error>
#include <thread>

#include "app/main_window_controls.h"
#include "fetch/fetch_worker.h"
#include "fetch/playlist_response.h"

namespace lirvane::gui {

FetchLauncher::FetchLauncher(MainWindowControls& controls, RegexMatcher& matcher)
    : controls_(controls), matcher_(matcher) {}

FetchLauncher::~FetchLauncher() {
  controls_.detach();
  waitForRunning();
}

void FetchLauncher::start() {
  controls_.setFetchButtonDisabled(true);
  {
    std::lock_guard lock(running_->mutex);
    ++running_->count;
  }
  try {
    std::thread([running = running_, &controls = controls_, &matcher = matcher_] {
      fetchPlaylist(controls, matcher, [](const Text& url) { return httpGetText(url); });
      std::lock_guard lock(running->mutex);
      --running->count;
      running->ended.notify_all();
    }).detach();
  } catch (const std::system_error&) {
    // No thread, no fetch: the button goes back as it was.
    std::lock_guard lock(running_->mutex);
    --running_->count;
    controls_.setFetchButtonDisabled(false);
  }
}

void FetchLauncher::finish() {
  abortPlaylistRequests();
  controls_.detach();
  waitForRunning();
}

void FetchLauncher::waitForRunning() {
  std::unique_lock lock(running_->mutex);
  running_->ended.wait(lock, [this] { return running_->count == 0; });
}

}  // namespace lirvane::gui
