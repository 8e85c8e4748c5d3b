#include "core/play_keys.h"

#include "core/game_state.h"

void SteerKey(GameState& state, uint8_t dir) {
  if (state.phase == PHASE_PAUSED) state.phase = PHASE_PLAYING;
  state.requestedDir = dir;
}

void PauseKey(GameState& state) {
  if (state.phase == PHASE_PLAYING) state.phase = PHASE_PAUSED;
}
