#pragma once

class Editor;

// Toolbar button n (1..61) clicked.
void tlbBuildingBlocks_ButtonClick(Editor& editor, int n);

// The grid and its coordinate frame shown or taken away, as the Grid
// button does; the button's pressed state follows.
void ToggleGrid(Editor& editor);
