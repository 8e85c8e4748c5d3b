#include "core/timer.h"

#include "core/platform.h"

Timer::~Timer() {
  if (enabled_) platform_.StopTimer(*this);
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  if (enabled_) platform_.StartTimer(*this);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_)
    platform_.StartTimer(*this);
  else
    platform_.StopTimer(*this);
}

void Timer::Fire() {
  if (enabled_ && OnTimer) OnTimer();
}
