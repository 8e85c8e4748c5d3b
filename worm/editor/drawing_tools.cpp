#include "editor/drawing_tools.h"

#include "core/frm_worm.h"
#include "core/set_track_cell.h"
#include "editor/editor.h"
#include "editor/editor_menu.h"
#include "editor/fill_area.h"
#include "editor/full_redraw.h"
#include "editor/toolbar_buttons.h"
#include "editor/undo_commands.h"
#include "editor/update_tab.h"

#include <QRect>

#include <tuple>
#include <utility>

namespace {

constexpr int Cell = 12;
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

bool Editing(const Editor& editor) { return editor.Form.InEditor && !editor.TestingTrack; }

bool DrawsRectangles(const Editor& editor) {
  return editor.CurrentTool == ToolFilledRectangle || editor.CurrentTool == ToolHollowRectangle;
}

void PutBlock(Editor& editor, int column, int row) {
  SetTrackCell(editor.Form, editor.Form.CurrentTrack, column, row, editor.CurrentBlock);
}

// Runs change with the grid lines (when shown) taken off, then shows the
// playfield.
template <typename Change>
void ChangePlayField(Editor& editor, Change change) {
  ToggleGridLines(editor.Form);
  change();
  ToggleGridLines(editor.Form);
  RefreshPlayField(editor.Form);
}

void InvertDragRect(Editor& editor) {
  editor.Form.PlayFieldDC->InvertFocusRect(
      QRect(QPoint(editor.DragLeft, editor.DragTop), QPoint(editor.DragRight - 1, editor.DragBottom - 1)));
}

// The band's pixels on one axis from the anchor cell to the cell reached,
// both included: first and one past the last.
std::pair<std::int32_t, std::int32_t> BandSpan(int anchor, int cell) {
  if (anchor * Cell > cell * Cell) return {cell * Cell, (anchor + 1) * Cell};
  return {anchor * Cell, (cell + 1) * Cell};
}

// The rubber band from the anchor cell to the cell (column, row).
void StretchDragRect(Editor& editor, int column, int row) {
  std::tie(editor.DragLeft, editor.DragRight) =
      BandSpan(static_cast<int>(editor.DragAnchorX), column);
  std::tie(editor.DragTop, editor.DragBottom) = BandSpan(static_cast<int>(editor.DragAnchorY), row);
}

void FillRectangle(Editor& editor) {
  for (int column = editor.DragLeft / Cell; column <= (editor.DragRight - Cell) / Cell; ++column)
    for (int row = editor.DragTop / Cell; row <= (editor.DragBottom - Cell) / Cell; ++row)
      PutBlock(editor, column, row);
}

void OutlineRectangle(Editor& editor) {
  const int left = editor.DragLeft / Cell;
  const int right = (editor.DragRight - Cell) / Cell;
  const int top = editor.DragTop / Cell;
  const int bottom = (editor.DragBottom - Cell) / Cell;
  for (int column = left; column <= right; ++column) {
    PutBlock(editor, column, top);
    PutBlock(editor, column, bottom);
  }
  for (int row = top; row <= bottom; ++row) {
    PutBlock(editor, left, row);
    PutBlock(editor, right, row);
  }
}

void StartTool(Editor& editor, int column, int row) {
  switch (editor.CurrentTool) {
    case ToolPen: PutBlock(editor, column, row); break;
    case ToolFilledRectangle:
    case ToolHollowRectangle:
      editor.DragAnchorX = static_cast<float>(column);
      editor.DragAnchorY = static_cast<float>(row);
      editor.DragLeft = editor.DragRight = column * Cell;
      editor.DragTop = editor.DragBottom = row * Cell;
      break;
    case ToolFill:
      if (!FillArea(editor.Form, column, row, editor.CurrentBlock)) editor.Form.System.Beep();
      break;
  }
}

void FinishDrawing(Editor& editor) {
  ChangePlayField(editor, [&editor] {
    if (editor.CurrentTool == ToolFilledRectangle) FillRectangle(editor);
    if (editor.CurrentTool == ToolHollowRectangle) OutlineRectangle(editor);
  });
  editor.TrackTested[editor.Form.CurrentTrack] = false;
  editor.Changed = true;
  UpdateTab(editor, DatabaseTab);
  SaveUndoInfo(editor, UndoMode::Record);
  editor.MouseDrawing = false;
}

}  // namespace

bool MouseCell::Drawable() const {
  return Column >= 1 && Column <= GroundWidth && Row >= 1 && Row <= GroundHeight;
}

MouseCell MouseCellAt(int x, int y) { return {x / Cell, y / Cell}; }

void picPlayField_MouseDown(Editor& editor, int button, int, int x, int y) {
  if (!Editing(editor) || button != LeftButton) return;
  const MouseCell cell = MouseCellAt(x, y);
  if (!cell.Drawable()) return;
  editor.MouseDrawing = true;
  ChangePlayField(editor, [&] { StartTool(editor, cell.Column, cell.Row); });
}

void picPlayField_MouseMove(Editor& editor, int button, int, int x, int y) {
  if (!Editing(editor)) return;
  const MouseCell cell = MouseCellAt(x, y);
  if (!cell.Drawable()) return;
  ShowStatusPanel(editor, 2, QStringLiteral("%1,%2").arg(cell.Column).arg(cell.Row));
  if (button != LeftButton || !editor.MouseDrawing) return;
  ChangePlayField(editor, [&] {
    if (editor.CurrentTool == ToolPen) PutBlock(editor, cell.Column, cell.Row);
    if (DrawsRectangles(editor)) {
      InvertDragRect(editor);
      StretchDragRect(editor, cell.Column, cell.Row);
      InvertDragRect(editor);
    }
  });
}

void picPlayField_MouseUp(Editor& editor, int button, int, int, int) {
  if (!Editing(editor)) return;
  if (button == LeftButton && editor.MouseDrawing) FinishDrawing(editor);
  if (button == RightButton) ShowPopupMenu(editor);
  if (editor.Toolbox && editor.Toolbox->Shown()) editor.Form.System.SetFocus(FocusWindow::Toolbox);
}
