#pragma once

#include "core/block_codes.h"
#include "core/track_database.h"
#include "screen_fixture.h"

#include <initializer_list>
#include <utility>

// A track of Dirt inside its border, with the editor's defaults.
inline TrackRecord OpenTrack() {
  TrackRecord track;
  track.Name = QStringLiteral("Fixture");
  track.StartDirection = 3;
  track.StartSpeed = 100;
  track.StartLength = 3;
  track.Difficulty = 1;
  for (int y = 0; y < TrackHeight; ++y)
    for (int x = 0; x < TrackWidth; ++x)
      if (x == 0 || y == 0 || x == TrackWidth - 1 || y == TrackHeight - 1)
        track.Blocks[BlockIndex(x, y)] = Blocks::Border;
  return track;
}

// Puts code into a cell; a ground code goes into the ground layer too.
inline void Put(TrackRecord& track, int x, int y, BlockCode code) {
  track.Blocks[BlockIndex(x, y)] = code;
  if (IsGroundCode(code)) track.Ground[GroundIndex(x, y)] = code;
}

// Lays a ground under a cell without changing its block.
inline void PutGround(TrackRecord& track, int x, int y, BlockCode ground) {
  track.Ground[GroundIndex(x, y)] = ground;
}

// Fills every playable cell with code.
inline void Fill(TrackRecord& track, BlockCode code) {
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) Put(track, x, y, code);
}

inline BlockCode CodeAt(const TrackRecord& track, int x, int y) {
  return track.Blocks[BlockIndex(x, y)];
}

// The game window of ScreenFixture with the play headline picture and a
// database of one track.
class PlayFixture : public ScreenFixture {
 protected:
  PlayFixture() {
    SavePicture("PlayHead.bmp", 636, 36, QColor(0, 0, 200));
    form.Form_Load(QString());  // places the status items; the sheets stay the fixture's
    form.PicturePath = folder.path() + QStringLiteral("/Picture/");
    form.SoundPath = folder.path() + QStringLiteral("/Sound/");
    form.picWormClip.SetPicture(MakeSheet(8, 36));
    form.picBuildClip.SetPicture(MakeSheet(10, 6));
    form.WormSheetDC = &form.picWormClip.Dc();
    form.BlockSheetDC = &form.picBuildClip.Dc();
    form.picPlayField.Move(2, 36, 636, 444);
    form.Database.Settings = {3, 5, 5, 0};
    form.Database.TrackCount = 1;
    form.Database.Tracks = {TrackRecord{}, OpenTrack()};
  }

  TrackRecord& Track() { return form.Database.Tracks[1]; }
  TrackRecord& PlayCopy() { return form.Database.PlayCopy(); }
};
