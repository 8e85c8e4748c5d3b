#pragma once

#include <cstdint>

// Status items of frmWorm::UpdateStatus.
enum StatusItem : std::uint8_t {
  StatusYellowKeys = 1,
  StatusRedKeys = 2,
  StatusPurpleKeys = 3,
  StatusShield = 4,
  StatusLives = 5,
  StatusBreaks = 6,
  StatusHiddenBonus = 7,
};
