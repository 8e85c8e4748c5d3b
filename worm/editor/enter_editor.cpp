#include "editor/enter_editor.h"

#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "core/slide_headline.h"
#include "core/wipe_screen.h"
#include "editor/database_file_commands.h"
#include "editor/drawing_tools.h"
#include "editor/editor.h"
#include "editor/editor_keys.h"
#include "editor/editor_menu.h"
#include "editor/full_redraw.h"
#include "editor/grid_lines.h"
#include "editor/new_track.h"
#include "editor/swap_toolbox.h"
#include "editor/update_tab.h"

namespace {

const QString QuitTitle = QStringLiteral("Quit Editor");


// A fresh editor state for a new database of one track.
void ResetState(Editor& editor) {
  editor.Changed = false;
  editor.ToolboxHidden = false;
  editor.TrackListLoading = false;
  editor.ControlsLoading = false;
  editor.DatabaseListLoading = false;
  editor.TestingTrack = false;
  editor.MouseDrawing = false;
  editor.CurrentBlock = 0;
  editor.CurrentTool = 1;
  editor.SelectedHead = 0;
  editor.TrackTested.fill(false);
  editor.FirstTrack = true;
}

void tmrDirectLoad_Timer(Editor& editor) {
  editor.tmrDirectLoad.SetEnabled(false);
  OpenDatabase(editor);
}

void ToolboxLoad(Editor& editor) {
  frmWorm& form = editor.Form;
  form.System.ShowCursor(true);
  ResetState(editor);
  form.CurrentTrack = 1;
  form.Database = TrackDatabase{};
  form.Database.TrackCount = 1;
  form.Database.Tracks.resize(2);
  form.InEditor = true;
  form.System.SetPlayFieldCursor(form.CurserPath + QStringLiteral("Draw.cur"));
  form.Database.Settings = {3, 5, 5, 0};
  editor.FileName = form.TrackPath + QStringLiteral("NoName");
  RouteCommands(editor);
  Editor* e = &editor;
  form.System.SetCloseGuard([e] { return ToolboxCloseRequest(*e); });
  NewTrack(editor, 1);
  UpdateTab(editor, AllTabs);
  editor.tmrDirectLoad.OnTimer = [&editor] { tmrDirectLoad_Timer(editor); };
  if (!form.CommandLine.isEmpty()) editor.tmrDirectLoad.SetEnabled(true);
}

// Whether the user lets the editor go, saving first when asked to.
bool MayLeave(Editor& editor) {
  Platform& system = editor.Form.System;
  if (!editor.Changed)
    return system.MessageBox(QStringLiteral("Do You Want To Quit The Editor"), QuitTitle,
                             MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
  const MessageAnswer answer = system.MessageBox(
      QStringLiteral("Do You Want To Save Changes In Database,\nBefore Leaving The Editor."),
      QuitTitle, MessageButtons::YesNoCancel, MessageIcon::Exclamation);
  if (answer == MessageAnswer::Yes) return SaveDataBase(editor);
  return answer == MessageAnswer::No;
}

}  // namespace

void EnterEditor(Editor& editor) {
  frmWorm& form = editor.Form;
  if (!form.picDummy.LoadPicture(form.PicturePath + QStringLiteral("Playfield.gif")))
    form.picDummy.ClearPicture();
  form.DummyDC = &form.picDummy.Dc();
  form.picPlayField.Move(2, 36, 636, 444);
  SetPlayFieldPersistent(form, false);
  form.picPlayField.SetVisible(true);
  DrawTrack(form, BlankTrack);
  SetPlayFieldPersistent(form, true);
  SlideHeadline(form, EditorHeadline);
  // The window shows these controls as long as it lives.
  editor.Controls = ToolboxModel{};
  editor.Toolbox = editor.Host.CreateToolbox(editor);
  ToolboxLoad(editor);
  editor.Toolbox->ShowWindow();
  editor.Toolbox->Repaint();
}

bool ToolboxCloseRequest(Editor& editor) {
  if (!editor.Toolbox || !MayLeave(editor)) return false;
  LeaveEditor(editor);
  editor.Toolbox.reset();
  return true;
}

void LeaveEditor(Editor& editor) {
  frmWorm& form = editor.Form;
  if (form.GridShown) {
    ShowCord(form, false);
    ShowGrid(*form.PlayFieldDC);
    form.GridShown = false;
  }
  if (!editor.ToolboxHidden) SwapToolbox(editor);
  SlideHeadline(form, EditorHeadline);
  SetPlayFieldPersistent(form, false);
  WipeScreen(form, false, QStringLiteral("Play"));
  form.picPlayField.SetVisible(false);
  form.picPlayField.ClearPicture();
  form.picPlayField.Move(98, 416, 81, 33);
  form.System.ShowCursor(false);
  form.InEditor = false;
  editor.tmrDirectLoad.SetEnabled(false);
  form.System.SetCloseGuard(nullptr);
  const CheckListControl& list = editor.Controls.lstDefDB;
  for (std::size_t i = 0; i < list.Checked.size(); ++i) {
    if (!list.Checked[i]) continue;
    form.System.SaveSetting(form.AppName, QStringLiteral("Misc"), QStringLiteral("Choosen Database"),
                            list.Entries[static_cast<qsizetype>(i)]);
    break;
  }
  form.tmrMainMenu.SetEnabled(true);
}
