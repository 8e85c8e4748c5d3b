#pragma once

class Editor;

// The playfield's mouse events while editing: buttons as a bit set (left
// 1, right 2), x and y in playfield pixels. They act only while the
// editor is on and no track is being test-played.
void picPlayField_MouseDown(Editor& editor, int button, int shift, int x, int y);
void picPlayField_MouseMove(Editor& editor, int button, int shift, int x, int y);
void picPlayField_MouseUp(Editor& editor, int button, int shift, int x, int y);

// Column and row of the cell under playfield pixel (x, y).
struct MouseCell {
  int Column;
  int Row;
  bool Drawable() const;
};
MouseCell MouseCellAt(int x, int y);
