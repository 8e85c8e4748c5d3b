#pragma once

#include "synth.h"

#include <vector>

// One sound of the game's sound bank: its file name and its recipe.
struct SoundEffect {
    const char* file;
    Samples (*make)();
};

// The 34 sound effects in slot order 0..33.
const std::vector<SoundEffect>& SoundEffects();
