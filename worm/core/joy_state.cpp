#include "core/joy_state.h"

#include "core/platform.h"

void ReadJoyState(Platform& platform, JoyState& joy) {
  JoystickPosition position;
  if (!platform.ReadJoystick(position))
    return;
  joy.X = position.X;
  joy.Y = position.Y;
  joy.Buttons = position.Buttons;
}

StickState StickFrom(const JoyState& joy, std::int32_t centreX, std::int32_t centreY) {
  StickState stick;
  stick.Left = joy.X < centreX - JoyDeadZone;
  stick.Right = joy.X > centreX + JoyDeadZone;
  stick.Up = joy.Y < centreY - JoyDeadZone;
  stick.Down = joy.Y > centreY + JoyDeadZone;
  return stick;
}

bool JoyFire(const JoyState& joy) {
  return joy.Buttons == 1;
}

bool JoyPause(const JoyState& joy) {
  return joy.Buttons == 2;
}

bool JoyTurbo(const JoyState& joy) {
  return joy.Buttons == 8;
}
