#pragma once

#include <atomic>
#include <functional>

// What the window has done later or away from its thread, so that play can
// be scripted on a simulated clock.
class Scheduler {
 public:
  // Work that gives a column and should end soon once stop is set.
  using Work = std::function<int(const std::atomic<bool>& stop)>;

  virtual ~Scheduler() = default;
  // Calls back on the window's thread once the milliseconds have passed.
  virtual void After(int milliseconds, std::function<void()> callback) = 0;
  // Runs the work away from the window's thread, then hands its result to
  // done on the window's thread. Work still under way is stopped first and
  // its result dropped.
  virtual void Think(Work work, std::function<void(int)> done) = 0;
  // Drops every callback not made yet and stops the work under way; when it
  // returns, no work runs any more.
  virtual void Cancel() = 0;
};
