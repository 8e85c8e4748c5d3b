#include "core/frm_worm.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "core/track_rules.h"

void TrackRules::ReplaceBlocks(BlockCode from, BlockCode to, bool store) {
  Surface& playField = PlayFieldDc(form_);
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) {
      BlockCode& code = Cell({x, y});
      if (code == from) {
        DrawBlock(form_, playField, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), to,
                  form_.CellSize);
        if (store) code = to;
      } else if (store && from < Blocks::WormBody && code == from + Blocks::WormBody) {
        code = static_cast<BlockCode>(to + Blocks::WormBody);
      }
    }
}

void TrackRules::OpenExits() {
  form_.PlaySoundEffect(SoundSiren);
  ReplaceBlocks(Blocks::WormholeExit, Blocks::OpenExit, true);
  worm_.ExitFlashing = true;
}
