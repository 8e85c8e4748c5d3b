#pragma once

#include <cstdint>

#include "core/game_state.h"

// Swaps left and right, up and down; other values stay.
std::uint8_t ReverseDir(std::uint8_t dir);

// True when dir holds the up or the down bit; every other value, standing
// included, counts as horizontal.
inline bool MovesVertically(std::uint8_t dir) { return (dir & (DIR_UP | DIR_DOWN)) != 0; }
