#pragma once

#include <array>
#include <cstdint>

// The player's resources in the running game, as the status strip shows them.
struct PlayerResources {
  std::array<std::uint8_t, 3> Keys{};  // yellow, red, purple
  std::uint8_t Lives = 0;
  std::uint8_t Shield = 0;
  std::uint8_t Breaks = 0;
  std::uint8_t HiddenBonusLeft = 0;
};
