#pragma once

#include <array>
#include <string_view>

#include "core/actor.h"
#include "core/maze.h"

// The cell codes under the four corners of an actor's picture, in the order
// bottom-left, bottom-right, top-left, top-right.
using FourCells = std::array<CellCode, 4>;

struct Position {
  int x;
  int y;
};

// Where one step in the actor's direction takes it (where it stands when its
// direction is 0).
Position PositionAhead(const Actor& actor);

// The corners one step ahead in the actor's direction (where it stands when
// its direction is 0).
FourCells CornerCells(const Actor& actor);
// The code of the cell under the middle of the picture.
CellCode CentreCell(const Actor& actor);
// True when any of the four codes is in set.
bool AnyCellIn(std::string_view set, const FourCells& cells);
// True when one step ahead meets a code of set.
bool BlockedAhead(const Actor& actor, std::string_view set);

// Blocking sets: walls; walls and the inside of the chasers' house; every
// cell the player may not enter.
constexpr std::string_view Walls = "1";
constexpr std::string_view WallsAndHouse = "12";
constexpr std::string_view NotForPlayer = "1234";
constexpr std::string_view InsideHouse = "23";
// The house cell below its exit.
constexpr std::string_view HouseExit = "3";
