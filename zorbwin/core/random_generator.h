#pragma once

#include <cstdint>

// The game's own linear congruential generator: seed = seed x 22695477 + 1
// (32 bits, wrapping), value = (seed div 65536) mod 32768. Seeded from the
// clock at start-up.
void SeedRandom(std::uint32_t seed);
int NextRandom();
