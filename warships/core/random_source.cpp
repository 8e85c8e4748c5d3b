#include "core/random_source.h"

#include <chrono>
#include <cmath>

ClockRandomSource::ClockRandomSource()
{
    Reseed();
}

void ClockRandomSource::Reseed()
{
    // The old state goes into the new seed as well, so two reseeds within
    // one tick of the clock still give different numbers.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto ticks64 = static_cast<std::uint64_t>(ticks);
    const std::uint64_t carried = engine_();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks64), static_cast<std::uint32_t>(ticks64 >> 32),
                       static_cast<std::uint32_t>(carried), static_cast<std::uint32_t>(carried >> 32)};
    engine_.seed(seed);
}

double ClockRandomSource::Next()
{
    // The top 53 bits as a fraction: never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int DrawNumber(RandomSource& random)
{
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(random.Next() * 1000.0));
}

int DrawCell(RandomSource& random)
{
    return DrawNumber(random) % 100;
}

int DrawCoin(RandomSource& random)
{
    return DrawNumber(random) % 2;
}
