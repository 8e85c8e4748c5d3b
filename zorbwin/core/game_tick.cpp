#include "core/game_tick.h"

#include "core/dot_font.h"
#include "core/game_state.h"

namespace {

void ResetTick() {
  gameState.requestedDir = DIR_NONE;
  gameState.phase = PHASE_WAITING;
}

// The maze stands still until a cursor key.
void WaitingTick() {
  if (gameState.requestedDir != DIR_NONE && gameState.running != 0)
    gameState.phase = PHASE_PLAYING;
}

// Once per game: the running flag is cleared when the game is recorded.
void GameOverTick() {
  if (gameState.running == 0) return;
  gameState.running = 0;
  DrawDotText("GAME OVER", 100, 200);
}

}  // namespace

void GameTick(const TickPause& /*pause*/) {
  switch (gameState.phase) {
    case PHASE_GAME_OVER:
      GameOverTick();
      break;
    case PHASE_RESET:
      ResetTick();
      break;
    case PHASE_WAITING:
      WaitingTick();
      break;
    default:  // idle, paused
      break;
  }
}
