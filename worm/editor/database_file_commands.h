#pragma once

#include <QString>

class Editor;

// The filter of the editor's file dialogs.
inline const QString DatabaseFilter = QStringLiteral("Vora Database  (wdb)|*.wdb");

// Opens the database named on the command line, or one chosen in the open
// dialog; every track counts as tested and track 1 becomes current. A file
// that cannot be read, or holds no track or more than 100, is refused with
// a notice and the database in memory is kept. False when nothing was opened.
bool OpenDatabase(Editor& editor);

// Writes the database to its file (asking for a name when it has none),
// once every track counts as tested. A write that fails is reported; the
// database then stays changed. False when nothing was written.
bool SaveDataBase(Editor& editor);

// The part of a path after its last "/": the file name with its extension.
QString GetFileTitle(const QString& filePath);

// "Title (counter)" for the toolbox caption.
QString ToolboxCaption(const Editor& editor);
