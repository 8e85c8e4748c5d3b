#pragma once

#include "core/timer.h"
#include "editor/toolbox_model.h"
#include "editor/toolbox_window.h"
#include "editor/undo_buffer.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class frmWorm;

// The track editor: its state from toolbox load to LeaveEditor, the
// toolbox's controls and the toolbox window while it exists. The game
// window's InEditor, GridShown, CurrentTrack and Database are the shared
// part of its state; the routines of the editor work on this record.
class Editor {
 public:
  // Takes the game window's keys and playfield mouse events.
  Editor(frmWorm& form, ToolboxHost& host);
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;
  // Takes the editor's events off the game window.
  ~Editor();

  frmWorm& Form;
  ToolboxHost& Host;
  // The toolbox window, from EnterEditor until the close request lets it go.
  std::unique_ptr<ToolboxWindow> Toolbox;
  ToolboxModel Controls;
  // Opens the database named on the command line, once, after the load.
  Timer tmrDirectLoad;
  UndoBuffer Undo;

  bool TestingTrack = false;
  std::uint8_t CurrentTool = 1;
  std::uint8_t CurrentBlock = 0;
  bool ToolboxHidden = false;
  // Entry n tells that track number n counts as tested (1..100).
  std::array<bool, 101> TrackTested{};
  // The database in memory differs from its file.
  bool Changed = false;
  std::uint8_t SelectedHead = 0;
  bool TrackListLoading = false;
  bool DatabaseListLoading = false;
  bool ControlsLoading = false;
  bool FirstTrack = false;
  // The database's file; TrackPath + "NoName" while it has none.
  QString FileName;

  // Playfield drawing: the left button went down on a drawable cell.
  bool MouseDrawing = false;
  // Cell where a rectangle drag started.
  float DragAnchorX = 0;
  float DragAnchorY = 0;
  // The rubber band in playfield pixels; right and bottom one past the end.
  std::int32_t DragLeft = 0;
  std::int32_t DragTop = 0;
  std::int32_t DragRight = 0;
  std::int32_t DragBottom = 0;
};

// The current track of the game window's database.
TrackRecord& CurrentTrackRecord(Editor& editor);

// A notice: an OK box with the exclamation icon.
void ShowNotice(Editor& editor, const QString& text, const QString& title);
