#pragma once

#include "core/block_codes.h"

#include <array>
#include <cstdint>

// The player's side of a running game: what the status strip and the
// headline show, and the tune memory. Lives, shield, breaking pads and the
// tune memory last from track to track; the rest starts anew with every track.
struct PlayState {
  std::uint8_t Lives = 0;
  std::uint8_t Shield = 0;
  std::uint8_t Breaks = 0;  // breaking pads
  std::array<std::uint8_t, KeyColourCount> Keys{};  // yellow, red, purple
  bool HasScuba = false;
  bool HasLavashoes = false;
  std::uint8_t HiddenBonusLeft = 0;  // hidden bonus blocks not yet found
  // The headline's row of bonus pictures: how many it shows, and the
  // polling passes counted towards dropping the oldest.
  std::uint8_t BonusIconCount = 0;
  std::int16_t BonusIconTimer = 0;
  // The track tune last chosen (1..5, 0 none) and the track it was chosen
  // for: a track played again keeps its tune.
  std::uint8_t LastTune = 0;
  std::uint8_t LastTuneTrack = 0;
  // A saved game is being continued: its lives, shield and breaking pads
  // are already in place for the first track.
  bool ResumeGame = false;
};
