#pragma once

#include <cstdint>

// Joystick 0 as last read: position and button mask (bit 0 = button 1,
// bit 1 = button 2, bit 3 = button 4).
struct JoyState {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  std::uint32_t Buttons = 0;
};

// The stick outside the dead zone around the centre, per side.
struct StickState {
  bool Left = false;
  bool Right = false;
  bool Up = false;
  bool Down = false;
};

constexpr std::int32_t JoyDeadZone = 5000;

class Platform;

// Reads joystick 0 into joy; when the read fails (no joystick) joy keeps its
// last values.
void ReadJoyState(Platform& platform, JoyState& joy);

StickState StickFrom(const JoyState& joy, std::int32_t centreX, std::int32_t centreY);

// Buttons count only as exact masks: two buttons together give none.
bool JoyFire(const JoyState& joy);
bool JoyPause(const JoyState& joy);
bool JoyTurbo(const JoyState& joy);
