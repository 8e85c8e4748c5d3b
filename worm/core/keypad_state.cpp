#include "core/keypad_state.h"

#include "core/platform.h"

void PollKeypad(Platform& platform, KeypadState& keys) {
  keys.Up = platform.KeypadHeld(KeypadKey::Up);
  keys.Down = platform.KeypadHeld(KeypadKey::Down);
  keys.Left = platform.KeypadHeld(KeypadKey::Left);
  keys.Right = platform.KeypadHeld(KeypadKey::Right);
  keys.UpLeft = platform.KeypadHeld(KeypadKey::UpLeft);
  keys.UpRight = platform.KeypadHeld(KeypadKey::UpRight);
  keys.DownRight = platform.KeypadHeld(KeypadKey::DownRight);
  keys.DownLeft = platform.KeypadHeld(KeypadKey::DownLeft);
  keys.Fire = platform.KeypadHeld(KeypadKey::Fire);
  keys.Pause = platform.KeypadHeld(KeypadKey::Pause);
  keys.Turbo = platform.KeypadHeld(KeypadKey::Turbo);
}
