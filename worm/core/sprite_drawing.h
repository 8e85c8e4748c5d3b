#pragma once

#include <cstdint>

class frmWorm;
class Surface;

// The playfield's device context; taken from picPlayField when no screen
// has taken it yet.
Surface& PlayFieldDc(frmWorm& form);

// Copies worm picture `picture` (column = direction, row = ground group and
// part) to the playfield at cell (x, y). Cells outside the playfield show
// nothing.
void DrawWormPart(frmWorm& form, std::int16_t x, std::int16_t y, std::int16_t picture);

// Copies block picture `code` to surface at pixel (x * scale, y * scale).
void DrawBlock(frmWorm& form, Surface& surface, std::int16_t x, std::int16_t y, std::uint8_t code,
               std::int16_t scale);
