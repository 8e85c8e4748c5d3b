#include "editor/toolbar_click.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/full_redraw.h"
#include "editor/grid_lines.h"
#include "editor/toolbar_buttons.h"
#include "editor/undo_commands.h"
#include "editor/update_tab.h"

namespace {

// The playfield's cursor file of each tool.
QString CursorFileOf(std::uint8_t tool) {
  switch (tool) {
    case ToolFilledRectangle: return QStringLiteral("Filled Rectangel.cur");
    case ToolHollowRectangle: return QStringLiteral("Hollow Rectangel.cur");
    case ToolFill: return QStringLiteral("Fill.cur");
    default: return QStringLiteral("Draw.cur");
  }
}

// Presses button n and releases the other buttons of its group.
void PressInGroup(Editor& editor, int n, int first, int last) {
  for (int button = first; button <= last; ++button)
    editor.Controls.Toolbar[button].Pressed = button == n;
}

void ChooseTool(Editor& editor, std::uint8_t tool) {
  editor.Form.System.SetPlayFieldCursor(editor.Form.CurserPath + CursorFileOf(tool));
  editor.CurrentTool = tool;
  PressInGroup(editor, tool, ToolPen, ToolFill);
}

void RefuseLineTool(Editor& editor) {
  ShowNotice(editor,
             QStringLiteral("The line tool isn't working properly yet,\ni will fix it soon..."),
             QStringLiteral("Line Tool"));
  PressInGroup(editor, editor.CurrentTool, ToolPen, ToolFill);
}

void ChooseBlock(Editor& editor, int n) {
  editor.CurrentBlock = ToolbarButtonAt(n).Tag;
  PressInGroup(editor, n, FirstBlockButton, LastBlockButton);
  editor.Controls.sbConfig[3].Text = ToolbarButtonName(n);
}

}  // namespace

void tlbBuildingBlocks_ButtonClick(Editor& editor, int n) {
  const ToolbarButton button = ToolbarButtonAt(n);
  if (button.Kind == ToolbarKind::Tool && button.Tag != ToolLine) ChooseTool(editor, button.Tag);
  if (button.Kind == ToolbarKind::Tool && button.Tag == ToolLine) RefuseLineTool(editor);
  if (button.Kind == ToolbarKind::Block) ChooseBlock(editor, n);
  if (n == ButtonUndo) DoUndo(editor);
  if (n == ButtonRedo) DoRedo(editor);
  if (n == ButtonGrid) ToggleGrid(editor);
  if (editor.Toolbox) editor.Toolbox->Repaint();
}

void ToggleGrid(Editor& editor) {
  frmWorm& form = editor.Form;
  form.GridShown = !form.GridShown;
  ShowCord(form, form.GridShown);
  ShowGrid(*form.PlayFieldDC);
  RefreshPlayField(form);
  editor.Controls.Toolbar[ButtonGrid].Pressed = form.GridShown;
  if (editor.Toolbox) editor.Toolbox->Repaint();
}
