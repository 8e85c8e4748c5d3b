#include "core/pass_clock.h"

#include "core/frm_worm.h"

PassClock::PassClock(frmWorm& form, std::int16_t passMs) : form_(form), passMs_(passMs) {
  Restart();
}

void PassClock::Restart() { deadline_ = form_.System.TickCount(); }

void PassClock::EndPass() {
  deadline_ += passMs_;
  const std::int64_t now = form_.System.TickCount();
  if (deadline_ <= now) {
    deadline_ = now;
    return;
  }
  form_.WaitMs(static_cast<std::int16_t>(deadline_ - now));
}
