// "BuildClip.gif": 10 x 6 cells of 12 x 12, cell n showing BlockCode n.
#pragma once

#include "palette.h"
#include "pixel_art.h"

#include <QImage>

constexpr int BlockSheetColumns = 10;
constexpr int BlockSheetRows = 6;

QImage blockPicture(int code, const ArtBook& arts, const Palette& palette);
QImage makeBlockSheet(const ArtBook& arts, const Palette& palette);
