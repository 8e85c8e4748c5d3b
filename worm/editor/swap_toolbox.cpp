#include "editor/swap_toolbox.h"

#include "core/frm_worm.h"
#include "editor/editor.h"

namespace {

constexpr int ToolboxItem = 10;

}  // namespace

void SwapToolbox(Editor& editor) {
  if (!editor.Toolbox) return;
  Platform& system = editor.Form.System;
  if (editor.ToolboxHidden) {
    editor.Toolbox->ShowWindow();
    editor.ToolboxHidden = false;
    system.SetFocus(FocusWindow::Toolbox);
  } else {
    editor.Toolbox->SetTopmost(false);
    editor.Toolbox->HideWindow();
    editor.ToolboxHidden = true;
    system.SetFocus(FocusWindow::Game);
  }
  editor.Controls.mnuAction(ToolboxItem).Checked = !editor.ToolboxHidden;
  editor.Toolbox->Repaint();
}

void WindowFloat(Editor& editor, bool topmost) {
  if (editor.Toolbox) editor.Toolbox->SetTopmost(topmost);
}
