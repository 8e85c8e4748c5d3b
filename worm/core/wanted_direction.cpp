#include "core/wanted_direction.h"

#include <optional>

namespace {

std::optional<Direction> StraightDirection(const KeypadState& keys, const StickState& stick) {
  if (stick.Up || keys.Up)
    return 1;
  if (stick.Right || keys.Right)
    return 3;
  if (stick.Down || keys.Down)
    return 5;
  if (stick.Left || keys.Left)
    return 7;
  return std::nullopt;
}

std::optional<Direction> DiagonalDirection(const KeypadState& keys, const StickState& stick) {
  if ((stick.Up && stick.Left) || keys.UpLeft)
    return 0;
  if ((stick.Up && stick.Right) || keys.UpRight)
    return 2;
  if ((stick.Down && stick.Right) || keys.DownRight)
    return 4;
  if ((stick.Down && stick.Left) || keys.DownLeft)
    return 6;
  return std::nullopt;
}

}  // namespace

bool ApplyDirectionInput(const KeypadState& keys, const StickState& stick, Direction& wanted) {
  std::optional<Direction> matched = DiagonalDirection(keys, stick);
  if (!matched)
    matched = StraightDirection(keys, stick);
  if (!matched)
    return false;
  wanted = *matched;
  return true;
}
