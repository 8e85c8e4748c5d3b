#pragma once

// The eleven keypad keys sampled during play and on the game screens;
// true while the key is held down.
struct KeypadState {
  bool Up = false;         // keypad 8
  bool Down = false;       // keypad 2
  bool Left = false;       // keypad 4
  bool Right = false;      // keypad 6
  bool UpLeft = false;     // keypad 7
  bool UpRight = false;    // keypad 9
  bool DownRight = false;  // keypad 3
  bool DownLeft = false;   // keypad 1
  bool Fire = false;       // keypad 0
  bool Pause = false;      // keypad 5
  bool Turbo = false;      // keypad +
};

class Platform;

// Samples the eleven keys as they are held at this moment.
void PollKeypad(Platform& platform, KeypadState& keys);
