#include "core/track_rules.h"

#include "core/frm_worm.h"
#include "core/random_draw.h"
#include "core/slide_headline.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "shell/status_display.h"

#include <algorithm>

namespace {

constexpr std::int16_t MaxLength = 500;
constexpr int ScubaPictureX = 161;
constexpr int LavashoesPictureX = 176;
constexpr int HeadlinePictureY = 18;

bool IsPlayable(CellPosition cell) {
  return cell.X >= 1 && cell.X <= GroundWidth && cell.Y >= 1 && cell.Y <= GroundHeight;
}

}  // namespace

TrackRules::TrackRules(frmWorm& form, WormState& worm)
    : form_(form), worm_(worm), track_(form.Database.PlayCopy()) {}

BlockCode& TrackRules::Cell(CellPosition cell) { return track_.Blocks[BlockIndex(cell.X, cell.Y)]; }

BlockCode TrackRules::GroundAt(CellPosition cell) const {
  return track_.Ground[GroundIndex(cell.X, cell.Y)];
}

int TrackRules::Draw(int n) { return RandomDraw(form_.System, n); }

void TrackRules::EnterBlock(CellPosition cell) {
  const BlockCode code = Cell(cell);
  switch (ClassOf(code)) {
    case BlockClass::Food: EatFood(code); return;
    case BlockClass::Portal: EnterPortal(code); return;
    case BlockClass::Door: EnterDoor(code); return;
    case BlockClass::OneWay:
      if (worm_.WantedDirection != OneWayDirection(code)) Hit(true, 1, true);
      return;
    case BlockClass::HardWall:
    case BlockClass::Border:
    case BlockClass::WormBody: Hit(true, 1, true); return;
    case BlockClass::SoftWall:
      form_.PlaySoundEffect(SoundWallBreak);
      ClearHeadCell();
      return;
    default: break;
  }
  switch (code) {
    case Blocks::YellowKey:
    case Blocks::RedKey:
    case Blocks::PurpleKey: PickUpKey(code); break;
    case Blocks::ScubaGear: PickUpItem(code, form_.Play.HasScuba, ScubaPictureX); break;
    case Blocks::Lavashoes: PickUpItem(code, form_.Play.HasLavashoes, LavashoesPictureX); break;
    case Blocks::Mushroom:
      Hit(false, 1, true);
      ClearHeadCell();
      break;
    case Blocks::Spinner: EnterSpinner(cell); break;
    case Blocks::Parking:
      ClearHeadCell();
      worm_.Parked = true;
      break;
    case Blocks::OpenExit: EnterOpenExit(); break;
    case Blocks::HiddenBonus: FindHiddenBonus(cell); break;
    default: break;  // grounds, wormholes, used bonus and unused codes
  }
}

void TrackRules::ClearHeadCell() {
  if (IsPlayable(worm_.Head)) Cell(worm_.Head) = GroundAt(worm_.Head);
}

void TrackRules::PickUpKey(BlockCode key) {
  form_.PlaySoundEffect(SoundKey);
  const int colour = KeyColour(key);
  ++form_.Play.Keys[colour];
  ClearHeadCell();
  form_.UpdateStatus(static_cast<std::uint8_t>(StatusYellowKeys + colour));
}

void TrackRules::PickUpItem(BlockCode item, bool& flag, int headlineX) {
  form_.PlaySoundEffect(SoundHelp);
  flag = true;
  ClearHeadCell();
  DrawBlock(form_, HeadlineDc(form_), static_cast<std::int16_t>(headlineX), HeadlinePictureY, item,
            1);
}

void TrackRules::EatSound() {
  form_.PlaySoundEffect(static_cast<std::uint8_t>(SoundEat1 - 1 + Draw(4)));
}

void TrackRules::EatFood(BlockCode food) {
  EatSound();
  --worm_.FoodLeft;
  if (food == Blocks::Popcorn) {
    ScatterFood(5);
    ClearHeadCell();
    return;
  }
  worm_.LengthTarget =
      std::min<std::int16_t>(MaxLength, static_cast<std::int16_t>(worm_.LengthTarget + food - Blocks::Popcorn));
  ClearHeadCell();
  if (worm_.FoodLeft <= 0) OpenExits();
}

void TrackRules::EnterPortal(BlockCode portal) {
  const std::optional<CellPosition> exit = PortalExit(portal);
  if (!exit) return;  // a portal without a partner is plain ground
  form_.PlaySoundEffect(SoundPlopp);
  worm_.Head = *exit;
}

void TrackRules::EnterSpinner(CellPosition cell) {
  form_.PlaySoundEffect(SoundSpinner);
  const int way = ChooseFreeDirection(worm_.WantedDirection, cell);
  if (way != NoFreeDirection) worm_.WantedDirection = static_cast<Direction>(way);
}

void TrackRules::EnterDoor(BlockCode door) {
  const int colour = KeyColour(door);
  std::uint8_t& keys = form_.Play.Keys[colour];
  if (keys == 0) {
    Hit(true, 1, true);
    return;
  }
  form_.PlaySoundEffect(SoundDoor);
  --keys;
  ClearHeadCell();
  form_.UpdateStatus(static_cast<std::uint8_t>(StatusYellowKeys + colour));
}

void TrackRules::EnterOpenExit() {
  if (worm_.FoodLeft > 0 && !worm_.ExitTimed) return;
  worm_.Exiting = true;
  worm_.Head = OffFieldCell;
}

void TrackRules::FindHiddenBonus(CellPosition cell) {
  if (form_.Play.HiddenBonusLeft > 0) --form_.Play.HiddenBonusLeft;
  form_.UpdateStatus(StatusHiddenBonus);
  Cell(cell) = Blocks::UsedBonus;
  RevealHiddenBonus(cell);
}
