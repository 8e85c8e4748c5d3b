// Reads any text as the settings file; the values it gives must be in range and must be
// saved and loaded back unchanged.
#include "core/game_state.h"
#include "core/settings_store.h"
#include "scratch_folder.h"

namespace {

bool SameSettings(const GameState& a, const GameState& b) {
  for (int i = 0; i < 3; ++i)
    if (a.bestScores[i] != b.bestScores[i] || a.bestLevels[i] != b.bestLevels[i]) return false;
  return a.speed == b.speed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFolder scratch;
  scratch.Begin();
  const SettingsStore read(scratch.Write("In.conf", data, size));
  GameState state;
  LoadSettings(state, read);
  const int startingLevel = ReadStartingLevel(read);
  if (state.speed < 0 || state.speed > 2 || startingLevel < -9 || startingLevel > 9)
    __builtin_trap();
  if (SameSettings(state, GameState{})) return 0;  // saving the defaults tells little

  const SettingsStore saved(scratch.Write("Out.conf", nullptr, 0));
  SaveSettings(state, saved);
  GameState reloaded;
  LoadSettings(reloaded, saved);
  if (!SameSettings(state, reloaded)) __builtin_trap();
  return 0;
}
