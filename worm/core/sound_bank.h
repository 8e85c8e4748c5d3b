#pragma once

#include <array>

// The sound effects by number: slot n of the sound bank holds file n.
constexpr int SoundCount = 34;
extern const std::array<const char*, SoundCount> SoundFileNames;
