#pragma once

class Editor;

// Switches the game window to editing: the empty playfield, the editor's
// headline, and a new toolbox (its load sets up a new database).
void EnterEditor(Editor& editor);

// The toolbox's close request (its close box, "Quit", "Quit Editor"):
// asks first, saving changes when the user wants; when it goes ahead the
// editor is left and the toolbox discarded. True when it went ahead.
bool ToolboxCloseRequest(Editor& editor);

// Returns the game window to the main menu, storing the chosen database.
void LeaveEditor(Editor& editor);
