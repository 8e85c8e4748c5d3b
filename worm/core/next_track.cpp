#include "core/next_track.h"

#include "core/random_draw.h"
#include "core/track_database.h"
#include "shell/running_game.h"

#include <algorithm>

namespace {

// The pool anew: the database's tracks of difficulty level, in order.
void FillPool(const TrackDatabase& database, int level, std::vector<std::uint8_t>& pool) {
  pool.clear();
  for (int track = 1; track <= database.TrackCount; ++track)
    if (database.Tracks[track].Difficulty == level) pool.push_back(static_cast<std::uint8_t>(track));
}

// The level after level; every level above the highest counts as done.
std::uint8_t LevelAfter(int level) {
  return static_cast<std::uint8_t>(std::min(level + 1, HighestLevel + 1));
}

void SaveState(RunningGame& game) {
  SavedGame& saved = game.Saved;
  saved.TrackPool = game.TrackPool;
  saved.PoolCount = static_cast<std::uint8_t>(game.TrackPool.size());
  saved.Level = game.Level;
  saved.RefillPool = game.RefillPool;
}

// Draws a track out of the non-empty pool.
std::uint8_t TakeFromPool(Platform& platform, RunningGame& game) {
  game.RefillPool = false;
  std::vector<std::uint8_t>& pool = game.TrackPool;
  const int entry = RandomDraw(platform, static_cast<int>(pool.size())) - 1;
  const std::uint8_t track = pool[entry];
  game.Saved.PlayTrack = track;
  pool.erase(pool.begin() + entry);
  if (pool.empty() && !game.FixedLevel) {
    game.RefillPool = true;
    game.Level = LevelAfter(game.Level);
  }
  SaveState(game);
  return track;
}

}  // namespace

std::uint8_t NextTrack(Platform& platform, const TrackDatabase& database, RunningGame& game) {
  // Past the highest level the game is done, whatever the database holds.
  while (game.FixedLevel || game.Level <= HighestLevel) {
    if (game.RefillPool) FillPool(database, game.Level, game.TrackPool);
    if (!game.TrackPool.empty()) return TakeFromPool(platform, game);
    if (game.FixedLevel) return 0;
    game.Level = LevelAfter(game.Level);
  }
  return 0;
}
