#include "platform/sdl_joystick.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr std::int32_t AxisMaximum = 65535;
constexpr std::int32_t AxisCentre = 32768;
// A joystick read reports buttons 1 to 4, as bits 0 to 3.
constexpr int ReportedButtons = 4;

std::int32_t AxisPosition(SDL_Joystick* joystick, int axis) {
  if (SDL_JoystickNumAxes(joystick) <= axis) return AxisCentre;
  return SDL_JoystickGetAxis(joystick, axis) + AxisCentre;
}

}  // namespace

SdlJoystick::SdlJoystick() {
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
  if (SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
}

SdlJoystick::~SdlJoystick() {
  if (joystick_) SDL_JoystickClose(joystick_);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

JoystickCaps SdlJoystick::Capabilities() const {
  if (!joystick_) return {};
  return {AxisMaximum, AxisMaximum};
}

bool SdlJoystick::Read(JoystickPosition& position) {
  if (!joystick_) return false;
  SDL_JoystickUpdate();
  if (!SDL_JoystickGetAttached(joystick_)) return false;
  position.X = AxisPosition(joystick_, 0);
  position.Y = AxisPosition(joystick_, 1);
  position.Buttons = 0;
  const int buttons = std::min(SDL_JoystickNumButtons(joystick_), ReportedButtons);
  for (int button = 0; button < buttons; ++button)
    if (SDL_JoystickGetButton(joystick_, button)) position.Buttons |= 1u << button;
  return true;
}
