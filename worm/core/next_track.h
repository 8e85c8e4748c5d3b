#pragma once

#include <cstdint>

class Platform;
struct RunningGame;
struct TrackDatabase;

// Highest difficulty a track can have; a level above it is done.
constexpr std::uint8_t HighestLevel = 10;

// Picks the next track of the game: a random one of the pool of game.Level,
// filling the pool from the database's tracks of that difficulty when
// game.RefillPool asks for it, and moving on to the next difficulty that
// has tracks unless game.FixedLevel. 0 when no track is left. Each pick is
// written into game.Saved (track, pool, level, refill flag).
std::uint8_t NextTrack(Platform& platform, const TrackDatabase& database, RunningGame& game);
