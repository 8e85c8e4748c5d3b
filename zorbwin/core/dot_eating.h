#pragma once

#include "core/actor.h"

// Eats the dot under the player when it stands exactly on its cell; the
// last dot clears the maze.
void EatDot(const Actor& player);

// The maze is cleared: the next level is counted, the frightened time ends,
// the actors stop, the fruit is worth twice as much (at most 5000) and the
// window is asked to build the next level.
void ClearMaze();
