#pragma once

class Editor;

// A key pressed on the game window or the toolbox (classic virtual key
// code and shift state): the editor's shortcuts, only while editing and
// not test-playing. Other keys are ignored.
void EditorKeyDown(Editor& editor, int keyCode, int shift);
