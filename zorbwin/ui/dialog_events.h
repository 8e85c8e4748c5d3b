#pragma once

// The three dialogs of the menu: each registers its template with its event
// table and runs it over the main window; nothing is shown when no window
// slot is free.
void ShowOptionsDialog(int parentSlot);
void ShowBestScoreDialog(int parentSlot);
void ShowAboutDialog(int parentSlot);
