#pragma once

#include <random>

#include "position.h"

// How far the medium level looks ahead, in disks.
inline constexpr int kMediumDepth = 4;

// Looks kMediumDepth disks ahead with the plain evaluation and picks at random
// among the columns that score best. The position must have a free column.
int ChooseMedium(const Position& position, std::mt19937& random);
