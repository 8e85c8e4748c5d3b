#pragma once

// Reads the maze of the current level (level mod the file's level count) and
// builds the level on the window of mainSlot. Returns 0, or 1 when the level
// cannot be read: then the previous maze and screen stay and the phase and
// running flag are left alone.
int LoadCurrentLevel(int mainSlot);

// Builds the background, the window picture and the per-level values for
// the maze just read.
void SetUpLevel();
