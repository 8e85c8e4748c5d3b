#include "core/bonus_icons.h"

#include "core/frm_worm.h"
#include "core/slide_headline.h"
#include "core/sprite_drawing.h"

namespace {

constexpr int SlotCount = 5;
constexpr int FirstSlotX = 552;
constexpr int SlotStep = 13;
constexpr int RowTop = 18;
constexpr std::uint8_t EmptySlotPicture = 5;
constexpr std::uint8_t RemoveSound = 23;

}  // namespace

void AddBonusIcon(frmWorm& form, BonusIconRow& row, std::uint8_t code) {
  if (row.BonusIconCount >= SlotCount) {
    DropBonusIcon(form, row);
    row.BonusIconTimer = 0;
  }
  DrawBlock(form, HeadlineDc(form), FirstSlotX + SlotStep * row.BonusIconCount, RowTop, code, 1);
  ++row.BonusIconCount;
}

void DropBonusIcon(frmWorm& form, BonusIconRow& row) {
  form.PlaySoundEffect(RemoveSound);
  Surface& headline = HeadlineDc(form);
  headline.BitBlt(FirstSlotX, RowTop, 51, 12, headline, FirstSlotX + SlotStep, RowTop,
                  RasterOp::Copy);
  DrawBlock(form, headline, FirstSlotX + SlotStep * (SlotCount - 1), RowTop, EmptySlotPicture, 1);
  if (row.BonusIconCount > 0)
    --row.BonusIconCount;
}
