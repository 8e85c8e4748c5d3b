#pragma once

#include <cstdint>

// The sound effects by slot number of the sound bank.
namespace Sounds {
constexpr std::uint8_t Applause = 0;
constexpr std::uint8_t Bonus = 1;
constexpr std::uint8_t Break = 2;
constexpr std::uint8_t Door = 3;
constexpr std::uint8_t FirstEat = 4;  // 4..7, one at random
constexpr std::uint8_t EatCount = 4;
constexpr std::uint8_t TrackFinished = 8;
constexpr std::uint8_t HighScoreEntry = 9;
constexpr std::uint8_t Go = 10;
constexpr std::uint8_t Grid = 11;
constexpr std::uint8_t Gulp = 12;
constexpr std::uint8_t Help = 13;
constexpr std::uint8_t FirstHit = 14;  // 14..17, one at random
constexpr std::uint8_t HitCount = 4;
constexpr std::uint8_t Key = 18;
constexpr std::uint8_t Killed = 19;
constexpr std::uint8_t LavaPain = 20;
constexpr std::uint8_t Pip = 21;
constexpr std::uint8_t Plopp = 22;
constexpr std::uint8_t Remove = 23;
constexpr std::uint8_t Selected = 24;
constexpr std::uint8_t Siren = 25;
constexpr std::uint8_t Skid = 26;
constexpr std::uint8_t Spinner = 27;
constexpr std::uint8_t Stamp = 28;
constexpr std::uint8_t WallBreak = 29;
constexpr std::uint8_t WaterIn = 30;
constexpr std::uint8_t WaterOut = 31;
constexpr std::uint8_t Turbo = 32;
constexpr std::uint8_t ExtraLife = 33;
}  // namespace Sounds
