#pragma once

#include "core/cell_index.h"
#include "core/random_source.h"

#include <array>
#include <vector>

// Each fleet: ships of these lengths, placed in this order.
constexpr std::array<int, 5> FleetLengths{5, 4, 3, 2, 1};
constexpr int FleetCells = 15;

// Places one ship of the given length at random among shipCells, drawing
// again until it fits, marks its cells and returns them. With noTouch no cell
// of it may lie next to an existing ship cell.
std::vector<int> PlaceShip(CellFlags& shipCells, int length, bool noTouch, RandomSource& random);
