// Block and worm art on a transparent background, enlarged, for the screens.
#pragma once

#include "pixel_art.h"
#include "worm_sheet.h"

#include <QImage>

QImage sprite(const PixelArt& art, const Palette& palette, int zoom, const Shades& shades = {'d', 'm', 'l'});

// A worm of `length` cells crawling right along a row, head first, enlarged.
QImage wormSprite(const Palette& palette, int length, int zoom);
