#pragma once

class Editor;

// Hides a shown toolbox (the game window gets the keyboard) or shows a
// hidden one topmost (it gets the keyboard); the "Toolbox" item follows.
void SwapToolbox(Editor& editor);

// Makes the toolbox topmost or a normal window again, unmoved.
void WindowFloat(Editor& editor, bool topmost);
