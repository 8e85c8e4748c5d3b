#include "core/sprite_drawing.h"

#include "core/frm_worm.h"

namespace {

// Copies cell `index` of a sheet with `columns` cells per row.
void CopySheetCell(Surface& target, int x, int y, const Surface& sheet, int index, int columns,
                   int cellWidth, int cellHeight) {
  const int sourceX = index % columns * cellWidth;
  const int sourceY = index / columns * cellHeight;
  target.BitBlt(x, y, cellWidth, cellHeight, sheet, sourceX, sourceY, RasterOp::Copy);
}

}  // namespace

Surface& PlayFieldDc(frmWorm& form) {
  if (form.PlayFieldDC == nullptr)
    form.PlayFieldDC = &form.picPlayField.Dc();
  return *form.PlayFieldDC;
}

void DrawWormPart(frmWorm& form, std::int16_t x, std::int16_t y, std::int16_t picture) {
  if (picture < 0)
    return;
  CopySheetCell(PlayFieldDc(form), x * form.CellSize, y * form.CellSize, *form.WormSheetDC, picture,
                form.WormSheetCols, form.WormCellWidth, form.WormCellHeight);
}

void DrawBlock(frmWorm& form, Surface& surface, std::int16_t x, std::int16_t y, std::uint8_t code,
               std::int16_t scale) {
  CopySheetCell(surface, x * scale, y * scale, *form.BlockSheetDC, code, form.BlockSheetCols,
                form.BlockCellWidth, form.BlockCellHeight);
}
