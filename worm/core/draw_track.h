#pragma once

class frmWorm;

// The blank request: an empty field of Dirt titled "NoName".
constexpr int BlankTrack = -1;

// Composes track `track` of the database (0 is the play copy) on its
// background in picDummy, wipes it onto the playfield and keeps it as the
// playfield's picture. The grid background (editor) carries no title.
void DrawTrack(frmWorm& form, int track);
