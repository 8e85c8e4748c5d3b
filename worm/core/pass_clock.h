#pragma once

#include <cstdint>

class frmWorm;

// Paces polling passes of a fixed length on the tick counter: each pass
// ends with the wait that brings it to its deadline, so the work done in a
// pass (input, drawing) does not lengthen it.
class PassClock {
 public:
  PassClock(frmWorm& form, std::int16_t passMs);

  // The next pass starts now (after a wait or a screen of another length).
  void Restart();
  // Waits until the end of the current pass: WaitMs of what is left of it.
  // A pass that has overrun its deadline ends at once and the next starts.
  void EndPass();

 private:
  frmWorm& form_;
  std::int16_t passMs_;
  std::int64_t deadline_ = 0;
};
