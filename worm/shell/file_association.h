#pragma once

#include <QString>

class Platform;

// Where the association is written: the program folder (marker "Vora.Reg"),
// and the user's data and configuration folders.
struct AssociationFolders {
  QString Program;  // ends with "/"
  QString Data;     // desktop entries and MIME types go below it
  QString Config;   // the marker when the program folder is not writable
};

// The folders of this user and program.
AssociationFolders UserAssociationFolders(Platform& platform);

// Whether the association was made already: the marker "Vora.Reg" is in the
// program folder or, for a read-only program folder, in the configuration
// folder.
bool FileTypeRegistered(const AssociationFolders& folders);

// Makes ".wdb" files open in the game: the chosen database becomes "Vora",
// the marker script is written, a MIME type and a desktop entry are written
// into the data folder and the desktop's database tools are started without
// waiting (missing tools are no error).
void RegisterFileType(Platform& platform, const AssociationFolders& folders);
