#pragma once

#include "core/actor.h"

// The cell above the gate of the chasers' house, where eyes go home.
constexpr int HouseDoorX = 180;
constexpr int HouseDoorY = 240;

// Steering rules of the chasers (and the fruit). Each sets the actor's
// direction; the actor takes its step afterwards.

// Turns across its way toward the player; back the other way when walled.
void TurnTowardPlayer(Actor& actor);
// The same toward a place.
void TurnTowardTarget(Actor& actor, int targetX, int targetY);
// Turns across its way as the player heads (up or down, left or right);
// back the other way when walled.
void TurnByPlayerDir(Actor& actor);
// Turns toward the player whenever the way is free of walls and house;
// when it is not, keeps its way, and turns toward the player at a wall.
void Pursue(Actor& actor);
// Frightened: turns away from the player where it can.
void Flee(Actor& actor);
// Eyes: turns toward the cell above the house gate where it can.
void ReturnHome(Actor& actor);
