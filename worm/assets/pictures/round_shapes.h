// Round block pictures computed from distance and angle to the cell centre:
// wormholes (a two-armed swirl), portals (an upright ring gate) and the spinner.
// The results are pixel art in the shade digits 1, 2, 3.
#pragma once

#include "pixel_art.h"

PixelArt swirlArt();
PixelArt portalArt();
PixelArt spinnerArt();
// Turns art a quarter clockwise.
PixelArt turnedClockwise(const PixelArt& art, int quarters);
