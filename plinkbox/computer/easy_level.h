#pragma once

#include <random>

#include "position.h"

// Takes a four when it can, blocks the other side's four, and otherwise drops
// into any playable column at random. The position must have a free column.
int ChooseEasy(const Position& position, std::mt19937& random);
