// Round block pictures computed from distance and angle to the cell centre:
// wormholes (a two-armed swirl), portals (an upright ring gate), the spinner,
// the closed exit and the open-exits bonus. The results are pixel art in the
// shade digits 1, 2, 3 and palette letters.
#pragma once

#include "pixel_art.h"

// A swirl around a core of that colour: dark for a wormhole, light for an
// open exit, which glows.
PixelArt swirlArt(char core = 'e');
// A closed exit: a ring in the shades around a dark hole barred by a grate.
PixelArt gratedExitArt();
// The open-exits bonus: a small glowing swirl with rays bursting from it.
PixelArt exitBurstArt();
PixelArt portalArt();
PixelArt spinnerArt();
// Turns art a quarter clockwise.
PixelArt turnedClockwise(const PixelArt& art, int quarters);
