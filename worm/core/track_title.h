#pragma once

#include <QFont>
#include <QImage>
#include <QString>

// The title font: Liberation Sans bold at 8.25 points (11 pixels at 96 dpi),
// loaded from its file so that measuring and drawing use the same font.
QFont TitleFont();

// "> > > " + name + " < < <".
QString TrackTitleText(const QString& name);

// Left edge of a title of the given width centred over the 636-pixel playfield.
int TrackTitleLeft(int width);

// Writes the centred title into the top border ring of a playfield picture.
void DrawTrackTitle(QImage& surface, const QString& name);
