#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole new contents of the file at path: into a
// temporary file beside it that is then renamed into place, so a failed
// write leaves the old file as it was. Empty on success, else what went
// wrong, for the player.
QString ReplaceFile(const QString& path, const QByteArray& bytes);
