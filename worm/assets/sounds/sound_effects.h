#pragma once

#include "synth.h"

#include <vector>

// One sound of the game's sound bank: its slot number, its file name and its recipe.
struct SoundEffect {
    int number;
    const char* file;
    Samples (*make)();
};

// The 34 sound effects in slot order 0..33.
const std::vector<SoundEffect>& SoundEffects();
