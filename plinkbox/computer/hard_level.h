#pragma once

#include "position.h"
#include "search.h"
#include "transposition_table.h"

// Searches deeper and deeper, up to maxDepth disks, until the limits end it,
// the game is decided or a deeper search could not end in the time left, and
// keeps the best column of the deepest search. The position must have a free
// column.
int ChooseHard(const Position& position, TranspositionTable& table, const SearchLimits& limits,
               int maxDepth = kCells);
