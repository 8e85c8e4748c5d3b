#pragma once

class frmWorm;
class Surface;

// Inverts the grid lines on surface (the playfield, 636 x 444): every cell
// border of the playable area, white, with the borders of the middle row
// and column yellow. A second call restores every pixel.
void ShowGrid(Surface& surface);

// Draws the frame around the playfield: with coordinates (status true) or
// with the current track's title. The pixel column x 624 and row y 432,
// where the outermost grid lines lie, are left as they are.
void ShowCord(frmWorm& form, bool status);
