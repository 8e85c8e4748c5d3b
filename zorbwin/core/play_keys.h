#pragma once

#include <cstdint>

struct GameState;

// A cursor key: ends a pause and becomes the requested direction.
void SteerKey(GameState& state, uint8_t dir);

// P or F1: pauses while playing, does nothing otherwise.
void PauseKey(GameState& state);
