#pragma once

#include <cstdint>

// The play phases run by the game thread.
enum GamePhase : int32_t {
  PHASE_IDLE = 0,       // before the game is initialised
  PHASE_GAME_OVER = 1,  // the last life is lost
  PHASE_RESET = 2,      // actors go back to their start places at the next tick
  PHASE_DYING = 3,      // the death sequence
  PHASE_PLAYING = 4,
  PHASE_WAITING = 5,    // animations only, until a cursor key
  PHASE_PAUSED = 6,
};

// MoveDir bits: the direction of an actor or of the last cursor key.
enum MoveDirBits : uint8_t {
  DIR_NONE = 0,
  DIR_LEFT = 1,
  DIR_RIGHT = 2,
  DIR_UP = 4,
  DIR_DOWN = 8,
};

// The game variables shared by the window thread and the game thread. Both
// threads hold GameMutex() while they read or change them. The comment of each
// field names who owns it.
struct GameState {
  // Frame and game thread.
  int32_t phase = PHASE_IDLE;
  // Frame and game thread: 1 while actors may move and be drawn; 0 while a
  // level is being built, after a maze is cleared and after game over.
  int32_t running = 0;
  // Frame (cursor keys) and actors: the last cursor key pressed, 0 = none.
  uint8_t requestedDir = DIR_NONE;
  // Settings and options dialog: 0 Slow, 1 Normal, 2 Turbo.
  int32_t speed = 1;
  // Level loading and scoring: counts from 0, shown as level + 1.
  int32_t level = 0;
  // Scoring.
  int32_t score = 0;
  // Scoring.
  int32_t lives = 0;
  // Level loading and actors: dots still in the maze.
  int32_t dotsLeft = 0;
  // Actors: moving ticks of the player in this level (drives the fruit).
  int32_t bonusTicks = 0;
  // Level loading and actors: bonusTicks at which the fruit is taken away.
  int32_t fruitLimit = 0;
  // Scoring: points for eating the fruit.
  int32_t fruitValue = 0;
  // Actors: ticks of frightened chasers left, -1 = none.
  int32_t frightTimer = -1;
  // Actors and scoring: points for the next frightened chaser eaten.
  int32_t chaserValue = 0;
  // Scoring: the extra lives at 10000 and 50000 points were given.
  int32_t extraLife1 = 0;
  int32_t extraLife2 = 0;
  // Scoring and settings: the three best games, best first; levels as shown.
  int32_t bestScores[3] = {0, 0, 0};
  int32_t bestLevels[3] = {0, 0, 0};
};

// The one record of the program.
extern GameState gameState;
