#pragma once

#include <random>

#include "position.h"

// How far the medium level looks ahead, in disks.
inline constexpr int kMediumDepth = 4;
// How much worse than the best a column may score and still be chosen, unless
// the best is a forced result: the medium level's positional slips.
inline constexpr int kMediumMargin = 15;

// Looks kMediumDepth disks ahead with the plain evaluation and picks at random
// among the columns that score within kMediumMargin of the best. The position
// must have a free column.
int ChooseMedium(const Position& position, std::mt19937& random);
