// Waiting in GUI tests and stress programs for what a fetch does.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace lirvane::gui::testing {

// Runs the event loop until `done` holds or `timeoutMs` have passed, and
// says whether it holds. Each call a fetch posts is served as soon as it
// arrives, as in the program's own loop (QTRY_* would sleep between its
// polls and slow every call of the fetch down).
inline bool runUntil(const std::function<bool()>& done, int timeoutMs = 30000) {
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || clock.elapsed() > timeoutMs) loop.quit();
  });
  poll.start(2);
  if (!done()) loop.exec();
  return done();
}

}  // namespace lirvane::gui::testing
