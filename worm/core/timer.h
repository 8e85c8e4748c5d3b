#pragma once

#include <functional>

class Platform;

// A timer control: while enabled, the platform fires OnTimer every Interval
// milliseconds.
class Timer {
 public:
  explicit Timer(Platform& platform) : platform_(platform) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  int Interval() const { return interval_; }
  // A running timer starts its interval anew.
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Called by the platform when the interval has passed.
  void Fire();

  std::function<void()> OnTimer;

 private:
  Platform& platform_;
  int interval_ = 0;
  bool enabled_ = false;
};
