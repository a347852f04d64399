// Waiting in GUI tests: the Qt event loop keeps running while a test waits for a condition.
#pragma once

#include <QDeadlineTimer>
#include <QTest>
#include <functional>

namespace melvoro::test {

// Runs the Qt event loop until done() holds or timeout_ms passes; returns done().
inline bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 30000) {
  const QDeadlineTimer deadline(timeout_ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

}  // namespace melvoro::test
