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

// A bonus that adds to one counter of the play state.
struct CounterBonus {
  std::uint8_t PlayState::*Counter;
  int Amount;
  std::uint8_t Cap;
  std::uint8_t Item;  // status item
  std::uint8_t Sound;
  BlockCode Picture;
};

constexpr CounterBonus ExtraLife{&PlayState::Lives, 1, MaxBonusLives, StatusLives, SoundXlife,
                                 BlockPictures::ExtraLife};
constexpr CounterBonus MoreShield{&PlayState::Shield, 2, MaxShield, StatusShield, SoundBonus,
                                  BlockPictures::Shield};
constexpr CounterBonus MoreBreaks{&PlayState::Breaks, 3, MaxBreaks, StatusBreaks, SoundBonus,
                                  BlockPictures::BreakingPads};

void Give(frmWorm& form, const CounterBonus& bonus) {
  AddCapped(form.Play.*bonus.Counter, bonus.Amount, bonus.Cap);
  form.UpdateStatus(bonus.Item);
  form.PlaySoundEffect(bonus.Sound);
  AddBonusIcon(form, bonus.Picture);
}

}  // namespace

void TrackRules::RevealHiddenBonus(CellPosition cell) {
  switch (worm_.HiddenBonusMap[GroundIndex(cell.X, cell.Y)]) {
    case ExtraLifeBonus: Give(form_, ExtraLife); break;
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
    case ShieldBonus: Give(form_, MoreShield); break;
    case BreakingPadsBonus: Give(form_, MoreBreaks); break;
    default: break;
  }
}
