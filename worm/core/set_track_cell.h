#pragma once

#include "core/block_codes.h"

class frmWorm;

// Puts code into cell (column, row) of track number `track` of the database
// and draws it on the playfield at once. A ground code goes into the ground
// layer as well; any other code leaves the ground under it as recorded. The
// caller keeps column within 1..51 and row within 1..35.
void SetTrackCell(frmWorm& form, int track, int column, int row, BlockCode code);
