#pragma once

#include "shell/saved_game.h"

#include <QString>

#include <cstdint>
#include <vector>

// The game being played over a database: what the pause screen saves
// besides the play state. The running of a database owns it and passes it
// through the play loop to PauseScreen.
struct RunningGame {
  QString ChosenDatabase;            // database file name without ".wdb"
  std::uint8_t TracksCompleted = 0;  // the score so far
  SavedGame Saved;                   // kept current track by track

  // The tracks of the game, picked by NextTrack: the difficulty being
  // played (11 and above: the last is done), the tracks of it not played
  // yet, and the track being played (0 none).
  std::uint8_t Level = 0;
  bool FixedLevel = false;  // play only Level
  bool RefillPool = false;  // fill TrackPool for Level before the next pick
  std::vector<std::uint8_t> TrackPool;
  std::uint8_t PlayTrack = 0;
};
