#pragma once

#include <array>
#include <cstdint>

class frmWorm;

// The player's resources of the running game as the headline shows them.
struct StatusValues {
  std::array<std::uint8_t, 3> Keys{};  // yellow, red, purple
  std::uint8_t Lives = 0;
  std::uint8_t Shield = 0;
  std::uint8_t Breaks = 0;
  std::uint8_t HiddenBonusLeft = 0;
};

// Status items of UpdateStatus.
enum StatusItem : std::uint8_t {
  StatusYellowKeys = 1,
  StatusRedKeys = 2,
  StatusPurpleKeys = 3,
  StatusShield = 4,
  StatusLives = 5,
  StatusBreaks = 6,
  StatusHiddenBonus = 7,
};

// Shows (non-zero) or hides (zero) the seven status controls.
void Display(frmWorm& form, std::int16_t show);

// Copies one resource into its control; other item numbers do nothing.
void UpdateStatus(frmWorm& form, const StatusValues& values, std::uint8_t item);
