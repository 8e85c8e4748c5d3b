#pragma once

#include "shell/saved_game.h"

#include <QString>

#include <cstdint>

// The game being played over a database: what the pause screen saves
// besides the play state. The running of a database owns it and passes it
// through the play loop to PauseScreen.
struct RunningGame {
  QString ChosenDatabase;            // database file name without ".wdb"
  std::uint8_t TracksCompleted = 0;  // the score so far
  SavedGame Saved;                   // kept current track by track
};
