#include "core/direction.h"

#include <array>

namespace {

struct DirectionInfo {
  std::string_view name;
  int dx;
  int dy;
};

constexpr std::array<DirectionInfo, DirectionCount> Directions{{
    {"LU", -1, -1},
    {"U", 0, -1},
    {"RU", 1, -1},
    {"R", 1, 0},
    {"RD", 1, 1},
    {"D", 0, 1},
    {"LD", -1, 1},
    {"L", -1, 0},
}};

bool IsDirection(int direction) {
  return direction >= 0 && direction < DirectionCount;
}

}  // namespace

std::string_view DirectionName(int direction) {
  return IsDirection(direction) ? Directions[direction].name : std::string_view{};
}

Direction OppositeDirection(Direction direction) {
  return static_cast<Direction>((direction + 4) % DirectionCount);
}

CellPosition StepPosition(int direction, CellPosition cell) {
  if (!IsDirection(direction))
    return {0, 0};
  const DirectionInfo& step = Directions[direction];
  return {cell.X + step.dx, cell.Y + step.dy};
}
