#pragma once

// The player: a yellow disc with four animation frames.
void PlayerInit(int actor);
void AnimatePlayer(int actor);
// Follows the requested direction where it is free, stops at walls, eats
// dots, and runs the frightened time and the fruit clock.
void PlayerMove(int actor);
