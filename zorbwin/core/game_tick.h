#pragma once

#include <functional>

// Sleeps for the given milliseconds in the middle of a tick (the death
// sequence); the game thread gives the game lock up meanwhile, tests pass a
// routine that returns at once.
using TickPause = std::function<void(int milliseconds)>;

// One pass of the game thread's work for the current phase, with the game
// lock held.
void GameTick(const TickPause& pause);
