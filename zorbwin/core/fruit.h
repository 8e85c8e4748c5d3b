#pragma once

// Where the fruit comes into play, moving right.
constexpr int FruitStartX = 160;
constexpr int FruitStartY = 120;

// The fruit of the level: comes in once the player has made 300 steps in
// the level, wanders, and goes at the level's fruit limit.
void FruitInit(int actor);
void FruitIdle(int actor);
void FruitMove(int actor);

// The player's stepping tick counts toward the fruit: it comes at 300 and
// is taken away from the fruit limit on.
void RunFruitClock();
