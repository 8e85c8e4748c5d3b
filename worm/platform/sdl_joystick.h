#pragma once

#include "core/platform.h"

struct _SDL_Joystick;

// Joystick 0, its axes mapped onto 0..65535 (centre 32768) and its first
// four buttons as a bit mask. Without a joystick the capabilities are 0 and
// reads fail.
class SdlJoystick {
 public:
  SdlJoystick();
  SdlJoystick(const SdlJoystick&) = delete;
  SdlJoystick& operator=(const SdlJoystick&) = delete;
  ~SdlJoystick();

  JoystickCaps Capabilities() const;
  bool Read(JoystickPosition& position);

 private:
  _SDL_Joystick* joystick_ = nullptr;
};
