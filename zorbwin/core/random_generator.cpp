#include "core/random_generator.h"

#include <chrono>

namespace {

std::uint32_t ClockSeed() {
  return static_cast<std::uint32_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
}

std::uint32_t randomSeed = ClockSeed();

}  // namespace

void SeedRandom(std::uint32_t seed) { randomSeed = seed; }

int NextRandom() {
  randomSeed = randomSeed * 22695477u + 1u;
  return static_cast<int>((randomSeed >> 16) & 0x7FFF);
}
