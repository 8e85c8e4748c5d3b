#include "core/bonus_icons.h"

#include "core/block_codes.h"
#include "core/frm_worm.h"
#include "core/slide_headline.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"

namespace {

constexpr int SlotCount = 5;
constexpr int FirstSlotX = 552;
constexpr int SlotStep = 13;
constexpr int RowTop = 18;

}  // namespace

void AddBonusIcon(frmWorm& form, std::uint8_t code) {
  PlayState& row = form.Play;
  if (row.BonusIconCount >= SlotCount) {
    DropBonusIcon(form);
    row.BonusIconTimer = 0;
  }
  DrawBlock(form, HeadlineDc(form), FirstSlotX + SlotStep * row.BonusIconCount, RowTop, code, 1);
  ++row.BonusIconCount;
}

void DropBonusIcon(frmWorm& form) {
  PlayState& row = form.Play;
  form.PlaySoundEffect(SoundRemove);
  Surface& headline = HeadlineDc(form);
  headline.BitBlt(FirstSlotX, RowTop, 51, 12, headline, FirstSlotX + SlotStep, RowTop,
                  RasterOp::Copy);
  DrawBlock(form, headline, FirstSlotX + SlotStep * (SlotCount - 1), RowTop, BlockPictures::EmptyBonusSlot, 1);
  if (row.BonusIconCount > 0)
    --row.BonusIconCount;
}
