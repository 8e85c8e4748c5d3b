#include "core/draw_track.h"

#include "core/frm_worm.h"
#include "core/sprite_drawing.h"
#include "core/track_title.h"
#include "core/wipe_screen.h"

namespace {

// The background; without its picture the field is drawn on black.
void LoadBackground(frmWorm& form) {
  const QString file =
      form.GridShown ? QStringLiteral("PlayfieldGrid.gif") : QStringLiteral("Playfield.gif");
  if (!form.picDummy.LoadPicture(form.PicturePath + file))
    form.picDummy.ClearPicture();
}

const TrackRecord* RequestedTrack(const frmWorm& form, int track) {
  if (track < 0 || track >= static_cast<int>(form.Database.Tracks.size()))
    return nullptr;
  return &form.Database.Tracks[track];
}

}  // namespace

void DrawTrack(frmWorm& form, int track) {
  LoadBackground(form);
  form.DummyDC = &form.picDummy.Dc();
  const TrackRecord* record = RequestedTrack(form, track);
  if (!form.GridShown)
    DrawTrackTitle(form, *form.DummyDC, record ? record->Name : QStringLiteral("NoName"));
  for (int x = 1; x < TrackWidth - 1; ++x)
    for (int y = 1; y < TrackHeight - 1; ++y)
      DrawBlock(form, *form.DummyDC, x, y, record ? record->Blocks[BlockIndex(x, y)] : 0,
                form.CellSize);
  WipeScreen(form, true, QStringLiteral("Play"));
  form.picPlayField.SetPicture(form.DummyDC->Image());
}
