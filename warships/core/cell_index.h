#pragma once

#include <array>

// A map is 10 x 10 cells numbered row by row from the top left.
constexpr int CellCount = 100;
constexpr int RowLength = 10;

// One flag per cell.
using CellFlags = std::array<bool, CellCount>;

// The four neighbours in the order the computer tries them.
enum class Heading { Up, Right, Down, Left };

bool IsCell(int cell);
int ColumnOf(int cell);

// The neighbouring cell in the given heading, or -1 beyond the map's edge.
int Neighbour(int cell, Heading heading);
