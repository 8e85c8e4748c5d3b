#include "core/set_track_cell.h"

#include "core/frm_worm.h"
#include "core/sprite_drawing.h"

void SetTrackCell(frmWorm& form, int track, int column, int row, BlockCode code) {
  DrawBlock(form, PlayFieldDc(form), static_cast<std::int16_t>(column),
            static_cast<std::int16_t>(row), code, form.CellSize);
  TrackRecord& record = form.Database.Tracks[track];
  record.Blocks[BlockIndex(column, row)] = code;
  if (IsGroundCode(code)) record.Ground[GroundIndex(column, row)] = code;
}
