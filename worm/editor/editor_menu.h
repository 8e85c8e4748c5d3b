#pragma once

class Editor;

// Sets the enabled state of the menu items from the editor's state.
void UpdateMenu(Editor& editor);

// UpdateMenu, then the menu as a popup at the mouse; the chosen item runs.
void ShowPopupMenu(Editor& editor);

// Connects the menu items and the page buttons to their commands.
void RouteCommands(Editor& editor);
