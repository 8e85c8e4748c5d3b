#include "editor/editor_menu.h"

#include "core/frm_worm.h"
#include "editor/database_file_commands.h"
#include "editor/editor.h"
#include "editor/enter_editor.h"
#include "editor/new_track.h"
#include "editor/swap_toolbox.h"
#include "editor/undo_commands.h"

namespace {

constexpr int MostTracks = 100;

// mnuAction items.
constexpr int UndoItem = 1;
constexpr int RedoItem = 2;
constexpr int EraseItem = 4;
constexpr int ToolboxItem = 10;
constexpr int QuitItem = 12;
// mnuTrackAction items.
constexpr int NextItem = 1;
constexpr int PrevItem = 2;
constexpr int AddItem = 4;
constexpr int RemoveItem = 5;
// mnuDBAction items.
constexpr int OpenItem = 2;
constexpr int SaveItem = 3;
// cmdDatabase buttons.
constexpr int OpenButton = 1;
constexpr int SaveButton = 2;
constexpr int QuitButton = 4;

}  // namespace

void UpdateMenu(Editor& editor) {
  ToolboxModel& c = editor.Controls;
  const int current = editor.Form.CurrentTrack;
  const int count = editor.Form.Database.TrackCount;
  c.mnuAction(UndoItem).Enabled = editor.Undo.UndoPtr() >= 1;
  c.mnuAction(RedoItem).Enabled = editor.Undo.UndoPtr() < editor.Undo.UndoNr();
  c.mnuAction(EraseItem).Enabled = TrackHasBlocks(editor);
  c.mnuTrackAction(NextItem).Enabled = current != count;
  c.mnuTrackAction(PrevItem).Enabled = current >= 2;
  c.mnuTrackAction(AddItem).Enabled = count < MostTracks;
  c.mnuTrackAction(RemoveItem).Enabled = count >= 2;
  c.mnuDBAction(SaveItem).Enabled = editor.Changed;
}

void ShowPopupMenu(Editor& editor) {
  UpdateMenu(editor);
  if (!editor.Toolbox) return;
  MenuItem* chosen = editor.Toolbox->PopupMenu(editor.Controls.mnuToolBox);
  if (chosen && chosen->Enabled && chosen->Click) chosen->Click();
}

void RouteCommands(Editor& editor) {
  ToolboxModel& c = editor.Controls;
  Editor* e = &editor;
  c.mnuAction(UndoItem).Click = [e] { DoUndo(*e); };
  c.mnuAction(RedoItem).Click = [e] { DoRedo(*e); };
  c.mnuAction(ToolboxItem).Click = [e] { SwapToolbox(*e); };
  c.mnuAction(QuitItem).Click = [e] { ToolboxCloseRequest(*e); };
  c.mnuDBAction(OpenItem).Click = [e] { OpenDatabase(*e); };
  c.mnuDBAction(SaveItem).Click = [e] { SaveDataBase(*e); };
  c.cmdDatabase[OpenButton].Click = [e] { OpenDatabase(*e); };
  c.cmdDatabase[SaveButton].Click = [e] { SaveDataBase(*e); };
  c.cmdDatabase[QuitButton].Click = [e] { ToolboxCloseRequest(*e); };
  c.cmbTrackName.Click = [e] { cmbTrackName_Click(*e); };
}
