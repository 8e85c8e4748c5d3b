#pragma once

#include <array>
#include <cstdint>

// The sound effects by number: slot n of the sound bank holds file n.
constexpr int SoundCount = 34;
extern const std::array<const char*, SoundCount> SoundFileNames;

// The number of each sound effect, named after its file.
enum SoundNumber : std::uint8_t {
  SoundApplaus, SoundBonus, SoundBreak, SoundDoor, SoundEat1, SoundEat2, SoundEat3,
  SoundEat4, SoundFanfare1, SoundFanfare2, SoundGo, SoundGrid, SoundGulp, SoundHelp,
  SoundHit1, SoundHit2, SoundHit3, SoundHit4, SoundKey, SoundKilled, SoundLavaPain,
  SoundPip, SoundPlopp, SoundRemove, SoundSelected, SoundSiren, SoundSkid, SoundSpinner,
  SoundStamp, SoundWallBreak, SoundWaterIn, SoundWaterOut, SoundTurbo, SoundXlife,
};
static_assert(SoundXlife == SoundCount - 1);
