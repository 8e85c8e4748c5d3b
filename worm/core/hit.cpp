#include "core/frm_worm.h"
#include "core/random_draw.h"
#include "core/sound_bank.h"
#include "core/track_rules.h"
#include "shell/status_display.h"

#include <vector>

namespace {

constexpr std::int16_t IceGroup = 72;
constexpr std::int16_t LavaGroup = 192;

}  // namespace

void TrackRules::HitSound() {
  form_.PlaySoundEffect(static_cast<std::uint8_t>(SoundHit1 - 1 + Draw(4)));
}

void TrackRules::TakeShield(std::uint8_t cost) {
  std::uint8_t& shield = form_.Play.Shield;
  if (cost > shield) {
    shield = 0;
    worm_.Killed = true;
  } else {
    shield = static_cast<std::uint8_t>(shield - cost);
  }
}

void TrackRules::Hit(bool bounce, std::uint8_t cost, bool withSound) {
  if (form_.Play.Shield == 0) {
    worm_.Killed = true;
    return;
  }
  if (!bounce) {
    if (withSound) HitSound();
    TakeShield(cost);
  } else if (const int way = ChooseFreeDirection(worm_.WantedDirection, worm_.PrevHead);
             way == NoFreeDirection) {
    worm_.Killed = true;
    form_.Play.Shield = 0;
  } else {
    if (withSound) HitSound();
    if (worm_.GroundGroup == IceGroup || worm_.GroundGroup == LavaGroup)
      worm_.MoveDirection = static_cast<Direction>(way);
    worm_.WantedDirection = static_cast<Direction>(way);
    worm_.Head = worm_.PrevHead;
    worm_.RepeatMove = true;
    TakeShield(cost);
  }
  form_.UpdateStatus(StatusShield);
}

bool TrackRules::IsFree(CellPosition cell, Direction way) const {
  if (cell.X < 0 || cell.X >= TrackWidth || cell.Y < 0 || cell.Y >= TrackHeight) return false;
  const BlockCode code = track_.Blocks[BlockIndex(cell.X, cell.Y)];
  switch (ClassOf(code)) {
    case BlockClass::Ground:
    case BlockClass::Item:
    case BlockClass::Food:
    case BlockClass::Portal:
    case BlockClass::SoftWall: return code != Blocks::Parking;
    case BlockClass::Door: return form_.Play.Keys[KeyColour(code)] > 0;
    case BlockClass::OneWay: return way == OneWayDirection(code);
    case BlockClass::PlayOnly: return code != Blocks::ExitFlash;
    default: return false;  // hard walls, border, worm, unused codes
  }
}

int TrackRules::ChooseFreeDirection(Direction d, CellPosition cell) {
  std::vector<Direction> free;
  for (Direction g = 0; g < DirectionCount; ++g)
    if (g != OppositeDirection(d) && IsFree(StepPosition(g, cell), g)) free.push_back(g);
  if (free.empty()) return NoFreeDirection;
  const Direction way = free.size() == 1 ? free.front() : free[Draw(static_cast<int>(free.size())) - 1];
  worm_.InputLocked = true;
  return way;
}
