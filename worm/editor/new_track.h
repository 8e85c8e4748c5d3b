#pragma once

class Editor;

// Makes track n a new track: border ring, Dirt inside, "NoName" and the
// start values of a new track; inserts its list entry, selects it and
// starts its undo history. The playfield shows it unless it is the first
// track of the toolbox.
void NewTrack(Editor& editor, int n);

// Dirt on every inner cell of track n, both layers; with redraw the
// playfield shows an empty field titled "NoName".
void ClearTrack(Editor& editor, bool redraw, int n);

// Whether any inner cell of the current track holds another block than Dirt.
bool TrackHasBlocks(Editor& editor);

// The track list's selection changed: the selected track becomes current
// and is shown (unless the list is being loaded); its history starts anew.
void cmbTrackName_Click(Editor& editor);
