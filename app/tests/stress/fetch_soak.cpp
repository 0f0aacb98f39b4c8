// 200 fetches in a row through the window, alternating playlists and faulty
// answers from the sample service, measuring the process's memory after
// each and counting the automation objects still alive: after a fetch only
// the matcher's expression object and match collection may remain.
//   fetch_soak [FETCHES]        (QT_QPA_PLATFORM=offscreen is enough)
// Exits with 1 when an object outlived its fetch or a fetch did not end.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "app/fetch_launcher.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/number_edit.h"
#include "app/tests/event_loop_wait.h"
#include "fetch/playlist_response.h"
#include "port/http_client.h"
#include "regex/automation/com_object.h"
#include "regex/regex_matcher.h"
#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane;
using namespace lirvane::gui;
using lirvane::gui::testing::runUntil;

namespace {

// Resident memory once the allocator has handed back what it holds free, so
// that what is left is what the program still uses.
double residentMegabytes() {
  malloc_trim(0);
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4096.0 / (1024 * 1024);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int fetches = argc > 1 ? std::atoi(argv[1]) : 200;
  tools::LoopbackHttpServer service;
  tools::serveSamplePlaylists(service);
  tools::useAsProxy(service);
  setPlaylistRequestLimits({.stallTimeout = std::chrono::seconds(2),
                            .lowSpeedBytes = 100,
                            .lowSpeedWindow = std::chrono::seconds(2)});

  RegexMatcher matcher;
  auto* window = new MainWindow();
  MainWindowControls controls(window);
  FetchLauncher launcher(controls, matcher);
  window->show();

  // Playlists and faulty answers, in turn.
  const char* numbers[] = {"100200300", "8",  "2000", "404", "10001", "19", "5000",
                           "17",        "13", "6",    "10",  "20",    "18", "1"};
  std::size_t baseObjects = automation::AutomationObject::liveObjectCount();
  std::size_t mostObjects = 0;
  double first = 0, atTenth = 0, peak = 0, last = 0;
  bool ok = true;
  for (int i = 0; i < fetches; ++i) {
    window->numberBox()->setText(QString::fromLatin1(numbers[i % std::size(numbers)]));
    launcher.start();
    bool ended = runUntil(
        [&] {
          return window->fetchButton()->isEnabled() &&
                 window->statusPart()->text().startsWith(QStringLiteral("QQ:"));
        },
        120000);
    if (!ended) {
      std::printf("fetch %d of %s did not end\n", i + 1, numbers[i % std::size(numbers)]);
      ok = false;
      break;
    }
    std::size_t objects = automation::AutomationObject::liveObjectCount() - baseObjects;
    mostObjects = std::max(mostObjects, objects);
    last = residentMegabytes();
    peak = std::max(peak, last);
    if (i == 0) first = last;
    if ((i + 1) % std::size(numbers) == 0) std::printf("after %d fetches: %.1f MB\n", i + 1, last);
    if (i == fetches / 10) atTenth = last;
  }
  if (mostObjects > 2) ok = false;
  std::printf(
      "%d fetches: resident %.1f MB after the first, %.1f MB after a tenth, %.1f MB "
      "at the end, %.1f MB at the peak; growth over the last nine tenths %.1f MB; "
      "at most %zu automation objects alive between fetches\n",
      fetches, first, atTenth, last, peak, last - atTenth, mostObjects);
  delete window;
  return ok ? 0 : 1;
}
