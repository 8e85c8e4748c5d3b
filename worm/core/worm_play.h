#pragma once

#include "core/direction.h"
#include "core/track_database.h"

#include <cstdint>
#include <optional>

class frmWorm;
class Platform;
struct RunningGame;

// How a track ended.
enum TrackResult : std::uint8_t {
  TrackNotPlayable = 0,  // no such track, or it has no start cell; nothing was shown or changed
  TrackFinished = 1,     // the worm went into an exit and its tail followed
  TrackKilled = 2,
  TrackQuit = 3,  // quit from the pause screen, or pause while testing in the editor
};

// Plays track number `track` of form.Database from its start to its end
// and tells how it ended. The track is copied into the play copy, which
// alone changes. At the first track of a game (form.NewGame) and in the
// editor, lives, shield and breaking pads come from the database settings,
// or stay as they are when form.Play.ResumeGame is set. The pause input
// opens the pause screen, which saves `game`; in the editor it ends the test
// instead (game is then not used).
TrackResult WormPlay(frmWorm& form, std::uint8_t track, RunningGame& game);

// A start cell (Wormhole (Start)) of track, listed x = 1..51 outer and
// y = 1..35 inner, chosen at random among several; none without one.
std::optional<CellPosition> PickStartCell(Platform& platform, const TrackRecord& track);
