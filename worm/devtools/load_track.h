#pragma once

#include <QString>

class frmWorm;

// Reads the database at path into form.Database for a tool that shows track
// `track`; a file that cannot be read or lacks the track is reported in a
// message box with caption, and gives false.
bool LoadTrack(frmWorm& form, const QString& path, int track, const QString& caption);
