#include "editor/editor_keys.h"

#include "core/frm_worm.h"
#include "editor/database_file_commands.h"
#include "editor/editor.h"
#include "editor/swap_toolbox.h"
#include "editor/toolbar_click.h"
#include "editor/undo_commands.h"

namespace {

constexpr int KeyF2 = 113;
constexpr int KeyF6 = 117;
constexpr int KeyControl = 17;
constexpr int KeyU = 85;
constexpr int KeyR = 82;

}  // namespace

void EditorKeyDown(Editor& editor, int keyCode, int) {
  if (!editor.Form.InEditor || editor.TestingTrack) return;
  switch (keyCode) {
    case KeyF2: ToggleGrid(editor); break;
    case KeyF6:
      if (editor.Changed)
        SaveDataBase(editor);
      else
        editor.Form.System.Beep();
      break;
    case KeyControl: SwapToolbox(editor); break;
    case KeyU: DoUndo(editor); break;
    case KeyR: DoRedo(editor); break;
  }
}
