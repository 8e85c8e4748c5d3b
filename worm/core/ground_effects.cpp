#include "core/frm_worm.h"
#include "core/sound_bank.h"
#include "core/track_rules.h"

namespace {

constexpr std::uint8_t WaterCostSteps = 3;
constexpr std::uint8_t WaterCost = 3;
constexpr std::uint8_t ShodLavaCostSteps = 8;

}  // namespace

void TrackRules::ApplyGround(CellPosition cell) {
  const BlockCode ground = GroundAt(cell);
  if (const int group = GroundGroupOf(ground); group >= 0)
    worm_.GroundGroup = static_cast<std::int16_t>(group);
  if (ground != Blocks::Water) {
    worm_.WaterSteps = 0;
    if (worm_.InWater) {
      form_.PlaySoundEffect(SoundWaterOut);
      worm_.InWater = false;
    }
  }
  if (ground != Blocks::Lava) worm_.LavaSteps = 0;
  if (ground == Blocks::Water) Water();
  if (ground == Blocks::Lava) Lava();
}

void TrackRules::Water() {
  if (form_.Play.HasScuba) {
    if (!worm_.InWater) form_.PlaySoundEffect(SoundWaterIn);
    worm_.InWater = true;
    return;
  }
  if (++worm_.WaterSteps < WaterCostSteps) return;
  worm_.WaterSteps = 0;
  if (form_.Play.Shield > 0) form_.PlaySoundEffect(SoundGulp);
  Hit(false, WaterCost, false);
}

void TrackRules::Lava() {
  if (!form_.Play.HasLavashoes) {
    Hit(false, 1, true);
    return;
  }
  if (++worm_.LavaSteps < ShodLavaCostSteps) return;
  worm_.LavaSteps = 0;
  if (form_.Play.Shield > 0) form_.PlaySoundEffect(SoundLavaPain);
  Hit(false, 1, false);
}
