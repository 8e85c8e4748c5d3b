#include "editor/undo_commands.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/full_redraw.h"
#include "editor/update_tab.h"

namespace {

void Restore(Editor& editor, const std::optional<TrackRecord>& snapshot) {
  if (!snapshot) {
    editor.Form.System.Beep();
    return;
  }
  CurrentTrackRecord(editor) = *snapshot;
  UpdateTab(editor, TrackTab | DirectionTab | TrackConfigTab | DBConfigTab | DatabaseTab);
  FullRedraw(editor.Form);
}

}  // namespace

void SaveUndoInfo(Editor& editor, UndoMode mode) {
  if (mode == UndoMode::Reset)
    editor.Undo.Reset(CurrentTrackRecord(editor));
  else
    editor.Undo.Record(CurrentTrackRecord(editor));
}

void DoUndo(Editor& editor) { Restore(editor, editor.Undo.Undo()); }

void DoRedo(Editor& editor) { Restore(editor, editor.Undo.Redo()); }
