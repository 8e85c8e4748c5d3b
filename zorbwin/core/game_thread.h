#pragma once

#include <stop_token>

// The sleep at the start of every tick, in milliseconds, by speed setting:
// Slow, Normal, Turbo. Any other setting sleeps as Normal.
int SpeedDelay(int speed);

// Takes the first free thread slot and starts RunGameThread on it: 0 with the
// slot index, 1 when no slot is free, 2 when the thread cannot start.
int StartGameThread(int& slot);

// Asks the thread of the slot to stop, waits for it and frees the slot: 0, or
// 3 when the slot is not in use. Called on the window thread without the
// game lock.
int StopGameThread(int slot);

// The game thread: one tick after another, each a sleep of SpeedDelay and a
// pass of the phase's work with the game lock held, until asked to stop.
void RunGameThread(std::stop_token stop);
