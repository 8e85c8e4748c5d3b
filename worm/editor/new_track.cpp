#include "editor/new_track.h"

#include "core/block_codes.h"
#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/full_redraw.h"
#include "editor/undo_commands.h"
#include "editor/update_tab.h"

namespace {

void LayBorder(TrackRecord& track) {
  for (int x = 0; x < TrackWidth; ++x) {
    track.Blocks[BlockIndex(x, 0)] = Blocks::Border;
    track.Blocks[BlockIndex(x, TrackHeight - 1)] = Blocks::Border;
  }
  for (int y = 0; y < TrackHeight; ++y) {
    track.Blocks[BlockIndex(0, y)] = Blocks::Border;
    track.Blocks[BlockIndex(TrackWidth - 1, y)] = Blocks::Border;
  }
}

}  // namespace

void NewTrack(Editor& editor, int n) {
  editor.TrackListLoading = true;
  TrackRecord& track = editor.Form.Database.Tracks[n];
  LayBorder(track);
  ClearTrack(editor, !editor.FirstTrack, n);
  editor.FirstTrack = false;
  track.Name = QStringLiteral("NoName");
  editor.Controls.cmbTrackName.Insert(n - 1, track.Name);
  editor.Controls.cmbTrackName.SetListIndex(n - 1);
  track.StartDirection = 3;
  track.Difficulty = 1;
  track.HiddenBonusCount = 5;
  track.StartLength = 5;
  track.StartSpeed = 40;
  SaveUndoInfo(editor, UndoMode::Reset);
  editor.TrackListLoading = false;
}

void ClearTrack(Editor& editor, bool redraw, int n) {
  TrackRecord& track = editor.Form.Database.Tracks[n];
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) {
      track.Blocks[BlockIndex(x, y)] = Blocks::Dirt;
      track.Ground[GroundIndex(x, y)] = Blocks::Dirt;
    }
  if (redraw) RedrawPlayField(editor.Form, [&editor] { DrawTrack(editor.Form, BlankTrack); });
}

bool TrackHasBlocks(Editor& editor) {
  const TrackRecord& track = CurrentTrackRecord(editor);
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (track.Blocks[BlockIndex(x, y)] != Blocks::Dirt) return true;
  return false;
}

void cmbTrackName_Click(Editor& editor) {
  if (!editor.TrackListLoading) {
    editor.Form.CurrentTrack = static_cast<std::int16_t>(editor.Controls.cmbTrackName.ListIndex() + 1);
    UpdateTab(editor, TrackTab | DirectionTab | TrackConfigTab | DatabaseTab);
    FullRedraw(editor.Form);
  }
  SaveUndoInfo(editor, UndoMode::Reset);
}
