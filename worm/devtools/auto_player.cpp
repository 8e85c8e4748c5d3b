#include "auto_player.h"

#include "core/block_codes.h"
#include "core/frm_worm.h"
#include "core/sound_bank.h"
#include "core/worm_play.h"
#include "shell/running_game.h"

#include <array>

namespace {

// The keypad key of each direction code.
constexpr std::array<KeypadKey, DirectionCount> DirectionKeys{
    KeypadKey::UpLeft,   KeypadKey::Up,   KeypadKey::UpRight,  KeypadKey::Right,
    KeypadKey::DownRight, KeypadKey::Down, KeypadKey::DownLeft, KeypadKey::Left};

// An attempt that has not finished after this many steps is given up.
constexpr int StepLimit = 6000;

int GroundAt(const TrackRecord& track, CellPosition cell) {
  return track.Ground[GroundIndex(cell.X, cell.Y)];
}

}  // namespace

void AutoPlayer::StartAttempt(int stepLimit) {
  stepLimit_ = stepLimit;
  watch_.Reset();
  held_.reset();
  fireHeld_ = false;
  wanted_.reset();
  expectedMove_.reset();
  locked_ = false;
  lengthTarget_ = 0;
  lastBlocks_.reset();
}

bool AutoPlayer::KeypadHeld(KeypadKey key) {
  return (held_ && *held_ == key) || (fireHeld_ && key == KeypadKey::Fire);
}

void AutoPlayer::WaitFor(int ms) {
  Observe();
  if (watch_.Steps() > stepLimit_) CloseWindowAt(Now);
  ScriptedPlatform::WaitFor(ms);
}

void AutoPlayer::SoundPlay(int slot) {
  // A parking stop starts with its skid and ends when fire is seen.
  if (slot == SoundSkid) fireHeld_ = true;
  if (slot == SoundSelected) fireHeld_ = false;
  ScriptedPlatform::SoundPlay(slot);
}

void AutoPlayer::Observe() {
  if (!form_) return;
  const TrackRecord& playCopy = form_->Database.PlayCopy();
  if (!watch_.Look(playCopy)) return;
  PlanStep(playCopy);
  lastBlocks_ = playCopy.Blocks;
}

std::optional<Direction> AutoPlayer::LastMove() const {
  const std::optional<CellPosition> from = watch_.PreviousHead();
  const CellPosition head = *watch_.Head();
  if (!from) return std::nullopt;
  for (Direction d = 0; d < DirectionCount; ++d)
    if (StepPosition(d, *from) == head) return d;
  // Through a portal: the head left the partner in the direction it entered.
  if (!lastBlocks_) return std::nullopt;
  for (Direction d = 0; d < DirectionCount; ++d) {
    const CellPosition portal = StepPosition(d, *from);
    const CellPosition partner = StepPosition(OppositeDirection(d), head);
    const int code = Uncovered((*lastBlocks_)[BlockIndex(portal.X, portal.Y)]);
    if (IsPortalCode(code) && Uncovered((*lastBlocks_)[BlockIndex(partner.X, partner.Y)]) == code)
      return d;
  }
  return std::nullopt;
}

void AutoPlayer::PlanStep(const TrackRecord& playCopy) {
  const CellPosition head = *watch_.Head();
  if (watch_.Steps() == 1) {
    wanted_ = static_cast<Direction>(playCopy.StartDirection % DirectionCount);
    lengthTarget_ = playCopy.StartLength;
  }
  if (lastBlocks_) {
    const int eaten = (*lastBlocks_)[BlockIndex(head.X, head.Y)];
    if (IsFoodCode(eaten)) lengthTarget_ += eaten - Blocks::Popcorn;
  }
  const std::optional<Direction> moved = watch_.Steps() == 1 ? wanted_ : LastMove();
  const bool bounced = !locked_ && expectedMove_ && moved && *moved != *expectedMove_;
  const bool spun = Uncovered(playCopy.Blocks[BlockIndex(head.X, head.Y)]) == Blocks::Spinner;
  const int ground = GroundAt(playCopy, head);
  std::optional<Direction> sliding;
  if (Slippery(ground) && !spun) sliding = (locked_ || bounced) ? moved : wanted_;

  const int growth = std::max(0, lengthTarget_ + 1 - static_cast<int>(watch_.Body().size()));
  const std::optional<Direction> wanted =
      planner_.Plan({playCopy, form_->Play, watch_.Body(), head, sliding, growth});
  locked_ = spun || bounced;
  if (locked_) {
    // The next step keeps the direction the block chose; it is seen afterwards.
    wanted_.reset();
    expectedMove_.reset();
    return;
  }
  if (wanted) {
    wanted_ = wanted;
    const Direction key = ground == Blocks::Reverse ? OppositeDirection(*wanted) : *wanted;
    held_ = DirectionKeys[key];
  } else {
    held_.reset();
  }
  expectedMove_ = sliding ? sliding : wanted_;
}

TrackReport AutoPlayTrack(frmWorm& form, AutoPlayer& player, std::uint8_t track) {
  TrackReport report;
  const DatabaseSettings settings = form.Database.Settings;
  RunningGame game;
  form.NewGame = true;
  for (;;) {
    player.StartAttempt(StepLimit);
    TrackResult result = TrackQuit;
    try {
      result = WormPlay(form, track, game);
    } catch (const ProgramClosing&) {
      // given up: the attempt counts as not finished
    }
    player.CloseWindowAt(ScriptedPlatform::Never);
    report.Steps += player.Steps();
    report.ShieldLeft = form.Play.Shield;
    if (result == TrackFinished) {
      report.Finished = true;
      return report;
    }
    if (result != TrackKilled) return report;
    ++report.LivesLost;
    if (--form.Play.Lives == 0) return report;
    form.Play.Shield = settings.Shield;
    form.Play.Breaks = settings.Breaks;
  }
}
