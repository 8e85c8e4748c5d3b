#pragma once

#include "synth.h"

#include <vector>

// One sound of the game's sound bank: its file name, its recipe and how much
// louder (dB) than the others it is mastered.
struct SoundEffect {
    const char* file;
    Samples (*make)();
    double loudnessOffset = 0;
};

// The 34 sound effects in slot order 0..33.
const std::vector<SoundEffect>& SoundEffects();
