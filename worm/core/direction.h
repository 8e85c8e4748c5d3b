#pragma once

#include <cstdint>
#include <string_view>

// The eight movement directions, clockwise from up-left; also the column of
// the worm sheet and a track's start direction.
using Direction = std::uint8_t;

constexpr Direction DirectionCount = 8;

// A cell of the playfield (columns 0..52, rows 0..36; y grows downwards).
struct CellPosition {
  int X = 0;
  int Y = 0;
  friend bool operator==(CellPosition, CellPosition) = default;
};

// "LU", "U", "RU", "R", "RD", "D", "LD", "L"; empty for a code above 7.
std::string_view DirectionName(int direction);

// The way back: (d + 4) mod 8.
Direction OppositeDirection(Direction direction);

// The neighbour of cell in the given direction; (0, 0) for an unknown direction.
CellPosition StepPosition(int direction, CellPosition cell);
