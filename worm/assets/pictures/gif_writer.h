// Writes an image as a GIF file with an exact colour table.
#pragma once

#include <QImage>
#include <QString>

// Fails (with a message) when the image has more than 256 colours or the
// file cannot be written; the colour table lists colours in order of first use.
bool writeGif(const QImage& image, const QString& path, QString* error);
