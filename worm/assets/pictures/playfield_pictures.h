// "Playfield.gif" and "PlayfieldGrid.gif": the 636 x 444 play area, a ring of
// border stones around 51 x 35 cells; the grid version numbers the columns and rows.
#pragma once

#include "picture_set.h"

#include <QImage>

constexpr int PlayfieldWidth = 636;
constexpr int PlayfieldHeight = 444;

QImage makePlayfield(const ArtSources& sources);
QImage makePlayfieldGrid(const ArtSources& sources);
