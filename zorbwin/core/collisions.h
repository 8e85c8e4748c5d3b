#pragma once

#include "core/actor.h"

// True when the collision boxes of a and b meet: the bottom-left corner of
// either box lies inside the other, edges included.
bool BoxesCollide(const Actor& a, const Actor& b);

// Tests the player against the power dots, the chasers and the fruit, in
// that order, while the actors run; stops at the first collision that kills
// the player.
void CheckCollisions();
