#include "core/bonus_icons.h"
#include "core/frm_worm.h"
#include "core/sound_bank.h"
#include "core/track_rules.h"
#include "shell/status_display.h"

#include <algorithm>

namespace {

// Bonus kinds of the hidden bonus map.
enum HiddenBonusKind : std::uint8_t {
  ExtraLifeBonus = 1,
  OpenExitsBonus = 2,
  ShorterWormBonus = 3,
  ShieldBonus = 4,
  BreakingPadsBonus = 5,
};

constexpr std::uint8_t MaxBonusLives = 9;
constexpr std::uint8_t MaxShield = 10;
constexpr std::uint8_t MaxBreaks = 10;
constexpr std::int16_t ShortestWorm = 3;

// Adds to a counter up to a cap; a counter already above the cap keeps its value.
void AddCapped(std::uint8_t& counter, int amount, std::uint8_t cap) {
  if (counter < cap) counter = static_cast<std::uint8_t>(std::min<int>(counter + amount, cap));
}

}  // namespace

void TrackRules::RevealHiddenBonus(CellPosition cell) {
  PlayState& play = form_.Play;
  switch (worm_.HiddenBonusMap[GroundIndex(cell.X, cell.Y)]) {
    case ExtraLifeBonus:
      AddCapped(play.Lives, 1, MaxBonusLives);
      form_.UpdateStatus(StatusLives);
      form_.PlaySoundEffect(SoundXlife);
      AddBonusIcon(form_, BlockPictures::ExtraLife);
      break;
    case OpenExitsBonus:
      if (worm_.FoodLeft > 0) {
        OpenExits();
        worm_.ExitTimed = true;
        worm_.ExitTimer = 0;
      } else {
        form_.PlaySoundEffect(SoundBonus);
      }
      AddBonusIcon(form_, BlockPictures::OpenExits);
      break;
    case ShorterWormBonus:
      worm_.ExtraTailCut = static_cast<std::uint8_t>(
          std::clamp<int>(worm_.LengthTarget - ShortestWorm, 0, 3));
      form_.PlaySoundEffect(SoundBonus);
      AddBonusIcon(form_, BlockPictures::ShorterWorm);
      break;
    case ShieldBonus:
      AddCapped(play.Shield, 2, MaxShield);
      form_.UpdateStatus(StatusShield);
      form_.PlaySoundEffect(SoundBonus);
      AddBonusIcon(form_, BlockPictures::Shield);
      break;
    case BreakingPadsBonus:
      AddCapped(play.Breaks, 3, MaxBreaks);
      form_.UpdateStatus(StatusBreaks);
      form_.PlaySoundEffect(SoundBonus);
      AddBonusIcon(form_, BlockPictures::BreakingPads);
      break;
    default: break;
  }
}
