#pragma once

#include <cstdint>

class frmWorm;

// Flood fill of the current track from inner cell (column, row): every
// inner cell reached through its four neighbours that holds the start
// cell's block becomes block, breadth first. False (nothing changed) when
// the start cell holds block already.
bool FillArea(frmWorm& form, int column, int row, std::uint8_t block);
