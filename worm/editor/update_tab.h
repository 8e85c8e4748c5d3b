#pragma once

#include <QString>

class Editor;

// Areas of the toolbox that UpdateTab refreshes, combined with |.
enum TabArea : unsigned {
  TrackTab = 1,
  DirectionTab = 2,
  TrackConfigTab = 4,
  DBConfigTab = 8,
  DefDBTab = 16,
  DatabaseTab = 32,
  AllTabs = 63,
};

// Refreshes the toolbox areas named in areas from the editor's state, in
// the order Track, Direction, Track Config, Database Config, Database,
// Choose Database, and repaints the toolbox.
void UpdateTab(Editor& editor, unsigned areas);

// The number of tracks 1..TrackCount whose Difficulty equals level.
int CountTracksAtLevel(const Editor& editor, int level);

// Sets a status bar panel (1..4) and shows it.
void ShowStatusPanel(Editor& editor, int panel, const QString& text);
