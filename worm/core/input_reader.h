#pragma once

#include "core/joy_state.h"
#include "core/keypad_state.h"

class frmWorm;

// One sample of the player's input: joystick 0, then the eleven keypad keys,
// with the stick judged against the joystick centre.
struct InputSample {
  JoyState Joy;
  StickState Stick;
  KeypadState Keys;

  // Confirm: joystick button 1 alone or keypad 0.
  bool Fire() const;
  // Stick outside the dead zone on that side, or keypad 4, 6, 8, 2.
  bool Left() const;
  bool Right() const;
  bool Up() const;
  bool Down() const;
  // Every joystick button up and keypad 0 up.
  bool Released() const;
};

// The one input read of every polling loop. Its joystick state lives as
// long as the reader: a failed joystick read keeps the last values (zero at
// first), so a loop keeps one reader for its whole run.
//
//   Next()   for loops without a wait of their own (hold loops, "wait until
//            released", waiting for fire): it gives up the thread for about
//            a millisecond handling window events (frmWorm::YieldToEvents;
//            1 ms of the simulated clock in tests), then samples.
//   Sample() for passes that end in a wait anyway, such as play's WaitMs(12),
//            which handles the window events: it samples at once and adds
//            no time, so a step keeps its exact period.
class InputReader {
 public:
  explicit InputReader(frmWorm& form);

  const InputSample& Next();
  const InputSample& Sample();
  // The sample taken last.
  const InputSample& Last() const { return sample_; }

 private:
  frmWorm& form_;
  InputSample sample_;
};
