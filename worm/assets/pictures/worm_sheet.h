// "WormClip.gif": 8 columns (directions) x 36 rows (12 grounds x head, body, tail).
#pragma once

#include "palette.h"
#include "pixel_art.h"

#include <QImage>

constexpr int WormSheetColumns = 8;
constexpr int WormSheetRows = 36;

enum class WormPart { Head, Body, Tail };

// The worm part moving in direction (0 LU .. 7 L, clockwise), on no ground.
PixelArt wormPartArt(WormPart part, int direction);
QImage makeWormSheet(const Palette& palette);
