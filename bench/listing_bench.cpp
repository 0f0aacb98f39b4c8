// Listing songs in the window: from the press of the fetch button to the
// summary line, with the songs coming from the sample playlist service
// (in-process, on loopback, reached through http_proxy), for 10,000 and
// 20,000 songs; once with the window shown and once with it never shown
// (the floor: the cost of the calls alone). Beside it, the longest stretch
// the UI thread was busy during a fetch, read from a 1 ms timer's lateness.
//
// Run under a real X server (xvfb-run) for figures that mean anything.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/control_theme.h"
#include "app/fetch_launcher.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "app/number_edit.h"
#include "regex/regex_matcher.h"
#include "tools/loopback_http/loopback_http_server.h"
#include "tools/sample_service/sample_playlists.h"

using namespace lirvane;
using namespace lirvane::gui;

namespace {

struct Figures {
  double milliseconds;
  double longestBusyMs;
};

Figures fetchOnce(int songs, bool shown, RegexMatcher& matcher) {
  auto* window = new MainWindow();
  MainWindowControls controls(window);
  FetchLauncher launcher(controls, matcher);
  QObject::connect(window, &MainWindow::fetchRequested, window, [&] { launcher.start(); });
  if (shown) {
    window->centreOnScreen();
    window->show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  window->numberBox()->setText(QString::number(songs));

  QEventLoop loop;
  QElapsedTimer clock;
  QElapsedTimer sinceTick;
  double longestGap = 0;
  QTimer ticks;
  ticks.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
    longestGap = std::max(longestGap, sinceTick.nsecsElapsed() / 1e6);
    sinceTick.restart();
    if (window->fetchButton()->isEnabled() &&
        window->statusPart()->text().startsWith(QStringLiteral("QQ:")))
      loop.quit();
  });
  clock.start();
  sinceTick.start();
  ticks.start(1);
  window->fetchButton()->click();
  loop.exec();
  Figures figures{clock.nsecsElapsed() / 1e6, longestGap - 1.0};
  delete window;
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  setControlTheme(1);
  tools::LoopbackHttpServer service;
  tools::serveSamplePlaylists(service);
  tools::useAsProxy(service);
  RegexMatcher matcher;

  const int repetitions = qEnvironmentVariableIntValue("LISTING_REPETITIONS")
                              ? qEnvironmentVariableIntValue("LISTING_REPETITIONS")
                              : 5;
  std::printf("%-26s %12s %18s\n", "click to summary", "median ms", "longest busy ms");
  double median[2][2] = {};
  for (int shown = 1; shown >= 0; --shown) {
    for (int size = 0; size < 2; ++size) {
      int songs = size == 0 ? 10000 : 20000;
      std::vector<double> times;
      double busy = 0;
      for (int r = 0; r < repetitions; ++r) {
        Figures f = fetchOnce(songs, shown, matcher);
        times.push_back(f.milliseconds);
        if (shown) busy = std::max(busy, f.longestBusyMs);
      }
      std::sort(times.begin(), times.end());
      median[shown][size] = times[repetitions / 2];
      std::printf(
          "%-26s %12.0f %18s\n",
          (std::to_string(songs) + (shown ? " songs, shown" : " songs, never shown")).c_str(),
          median[shown][size], shown ? std::to_string(busy).substr(0, 5).c_str() : "-");
    }
  }
  std::printf("shown / never shown: %.2fx (10,000), %.2fx (20,000)\n", median[1][0] / median[0][0],
              median[1][1] / median[0][1]);
  std::printf("20,000 / 10,000 songs, shown: %.2fx\n", median[1][1] / median[1][0]);
  return 0;
}
