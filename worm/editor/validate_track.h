#pragma once

class Editor;

// Checks the current track; on failure shows the report of every broken
// rule and gives false.
bool ValidateTrack(Editor& editor);

// Whether every track counts as tested; otherwise shows the untested
// tracks and gives false.
bool CheckTracksTested(Editor& editor);
