#pragma once

// The start event of the main window: places the window, builds the
// surfaces and the sprite sheet, opens the level file (or tells that it is
// missing and ends the program), starts a new game with its first level and
// starts the game thread.
void InitGame(int slot);

// Stops the game thread started by InitGame, if any.
void StopGame();
