// Writes a 32 x 32 cursor file (".cur": one 32-bit image with an AND mask).
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// Pixels with alpha below 128 are transparent.
bool writeCursor(const QImage& image, QPoint hotSpot, const QString& path, QString* error);
