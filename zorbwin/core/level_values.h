#pragma once

#include <cstdint>

// Values that make later levels harder; level counts from 0.

// Wall tile of the level: blue, purple, green, red, yellow, red-and-white.
std::int32_t LevelWallSprite(int level);
// Fruit picture of the level; its mask is one higher.
std::int32_t LevelFruitSprite(int level);
// Value of bonusTicks at which the fruit is taken away.
int LevelFruitLimit(int level);
// Ticks of frightened chasers after a power dot.
int LevelFrightenedTicks(int level);
// A chaser's step count from its base count.
int LevelChaserSteps(int baseSteps, int level);
// A frightened chaser's step count.
int LevelFrightenedSteps(int baseSteps, int level);
