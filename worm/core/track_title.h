#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class frmWorm;
class Surface;

// The title font: Liberation Sans bold at 8.25 points, loaded from its file.
QFont TitleFont();

// The colour of the title on the playfield's frame.
inline const QColor TitleColour{72, 36, 8};

// "> > > " + name + " < < <".
QString TrackTitleText(const QString& name);

// Left edge of a title of the given width centred over the 636-pixel
// playfield; halves go to the even neighbour.
int TrackTitleLeft(int width);

// Writes the centred title at the top of surface with the surface's font and
// colours, measured with the hidden label lbldummy.
void DrawTrackTitle(frmWorm& form, Surface& surface, const QString& name);
