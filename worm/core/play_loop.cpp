#include "core/play_loop.h"

#include "core/bonus_icons.h"
#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "core/random_draw.h"
#include "core/slide_headline.h"
#include "core/sound_bank.h"
#include "core/sprite_drawing.h"
#include "core/wanted_direction.h"
#include "shell/pause_screen.h"
#include "shell/show_message.h"
#include "shell/status_display.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::int16_t PassMs = 12;
constexpr int SlowestDelay = 26;
constexpr int FastestDelay = 1;
constexpr int TurboDelay = 4;
constexpr std::int16_t StartLengthCounter = 3;
constexpr std::int16_t MaxLength = 500;
constexpr int BrakingStepsPerPad = 3;
constexpr int ParkingPasses = 1000;
constexpr int TuneCount = 5;
constexpr std::int16_t StartPauseMs = 500;
constexpr std::int16_t MessageX = 210;
constexpr std::int16_t MessageY = 230;

// Worm picture groups of the grounds that change the step.
constexpr std::int16_t IceGroup = 72;
constexpr std::int16_t ReverseGroup = 120;
constexpr std::int16_t IncSpeedGroup = 144;
constexpr std::int16_t DecSpeedGroup = 168;
constexpr std::int16_t LavaGroup = 192;
// Picture offsets of the body and the tail within a group.
constexpr std::int16_t BodyPart = 8;
constexpr std::int16_t TailPart = 16;

bool Slides(std::int16_t group) { return group == IceGroup || group == LavaGroup; }

}  // namespace

TrackResult WormPlay(frmWorm& form, std::uint8_t track, RunningGame& game) {
  return PlayLoop(form, track, game).Run();
}

std::optional<CellPosition> PickStartCell(Platform& platform, const TrackRecord& track) {
  std::vector<CellPosition> starts;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (track.Blocks[BlockIndex(x, y)] == Blocks::WormholeStart) starts.push_back({x, y});
  if (starts.empty()) return std::nullopt;
  if (starts.size() == 1) return starts.front();
  return starts[RandomDraw(platform, static_cast<int>(starts.size())) - 1];
}

PlayLoop::PlayLoop(frmWorm& form, std::uint8_t track, RunningGame& game)
    : form_(form),
      track_(track),
      game_(game),
      rules_(form, worm_),
      input_(form),
      clock_(form, PassMs) {}

TrackResult PlayLoop::Run() {
  if (!Start()) return TrackNotPlayable;
  clock_.Restart();
  while (!Ended()) Step();
  return End();
}

bool PlayLoop::Start() {
  if (track_ < 1 || std::size_t{track_} >= form_.Database.Tracks.size()) return false;
  TrackRecord& playCopy = form_.Database.PlayCopy();
  const std::optional<CellPosition> start = PickStartCell(form_.System, form_.Database.Tracks[track_]);
  if (!start) return false;
  PlayState& play = form_.Play;
  play.Keys = {};
  play.HasScuba = play.HasLavashoes = false;
  play.BonusIconTimer = 0;
  play.BonusIconCount = 0;
  playCopy = form_.Database.Tracks[track_];
  worm_.LengthCounter = StartLengthCounter;
  worm_.WantedDirection = playCopy.StartDirection % DirectionCount;
  baseDelay_ = std::clamp(SlowestDelay - playCopy.StartSpeed / 4, FastestDelay, SlowestDelay);
  worm_.LengthTarget = std::clamp<std::int16_t>(playCopy.StartLength, 0, MaxLength);
  worm_.Head = *start;
  worm_.FoodLeft = CountFood(playCopy);
  play.HiddenBonusLeft = playCopy.HiddenBonusCount;
  if (!form_.InEditor) DrawTrack(form_, track_);
  if (play.HiddenBonusLeft > 0)
    play.HiddenBonusLeft = static_cast<std::uint8_t>(rules_.PlaceHiddenBonuses(play.HiddenBonusLeft));
  for (std::uint8_t item = StatusYellowKeys; item <= StatusHiddenBonus; ++item)
    form_.UpdateStatus(item);
  form_.picHeadline.Refresh();
  if (form_.NewGame || form_.InEditor) StartGame();
  ShowMessage(form_, MessageX, MessageY, MessageGetReady);
  StartTune();
  form_.WaitMs(StartPauseMs);
  form_.PlaySoundEffect(SoundGo);
  return true;
}

void PlayLoop::StartGame() {
  PlayState& play = form_.Play;
  if (!play.ResumeGame) {
    const DatabaseSettings& settings = form_.Database.Settings;
    play.Lives = settings.Lives;
    play.Shield = settings.Shield;
    play.Breaks = settings.Breaks;
  }
  for (std::uint8_t item : {StatusShield, StatusLives, StatusBreaks}) form_.UpdateStatus(item);
  SlideHeadline(form_, PlayHeadline);
  form_.Display(-1);
  play.LastTune = 0;
  play.LastTuneTrack = 0;
  play.ResumeGame = false;
  form_.NewGame = false;
}

void PlayLoop::StartTune() {
  PlayState& play = form_.Play;
  if (track_ != play.LastTuneTrack) {
    int tune = RandomDraw(form_.System, TuneCount);
    while (play.LastTune != 0 && tune == play.LastTune) tune = RandomDraw(form_.System, TuneCount);
    play.LastTune = static_cast<std::uint8_t>(tune);
  }
  play.LastTuneTrack = track_;
  form_.System.MidiFileName(form_.SoundPath + QStringLiteral("Vora%1.Mid").arg(play.LastTune));
  form_.MusicCommand(QStringLiteral("Play"));
}

void PlayLoop::Step() {
  UnlockInput();
  stepDelay_ = GroundDelay();
  input_.Sample();
  Brake();
  Turbo();
  directionGiven_ = false;
  for (int pass = 0; pass <= stepDelay_; ++pass)
    if (!Pass()) return;
  if (worm_.GroundGroup == ReverseGroup && directionGiven_)
    worm_.WantedDirection = OppositeDirection(worm_.WantedDirection);
  GrowOrMoveTail();
  Move();
  DrawAndRecord();
  if (worm_.Parked) Park();
  form_.MusicCommand(QStringLiteral("Check"));
}

void PlayLoop::UnlockInput() {
  if (!worm_.InputLocked) return;
  if (++lockedSteps_ < 2) return;
  worm_.InputLocked = false;
  lockedSteps_ = 0;
}

int PlayLoop::GroundDelay() const {
  if (worm_.Exiting) return baseDelay_;
  switch (worm_.GroundGroup) {
    case IceGroup: return std::max(baseDelay_ - 7, FastestDelay);
    case IncSpeedGroup: return std::max(baseDelay_ - 6, FastestDelay);
    case DecSpeedGroup: return std::min(baseDelay_ + 6, SlowestDelay);
    case LavaGroup: return std::min(baseDelay_ + 7, SlowestDelay);
    default: return baseDelay_;
  }
}

void PlayLoop::Brake() {
  PlayState& play = form_.Play;
  if (play.Breaks == 0 || worm_.Exiting || !input_.Last().Fire()) return;
  if (++brakingSteps_ == BrakingStepsPerPad) {
    brakingSteps_ = 0;
    form_.PlaySoundEffect(SoundBreak);
    --play.Breaks;
    form_.UpdateStatus(StatusBreaks);
  }
  stepDelay_ = SlowestDelay;
}

void PlayLoop::Turbo() {
  const InputSample& input = input_.Last();
  const bool held = JoyTurbo(input.Joy) || input.Keys.Turbo;
  if (!held || stepDelay_ <= TurboDelay || worm_.Exiting) {
    turboOn_ = false;
    return;
  }
  stepDelay_ = TurboDelay;
  if (!turboOn_) form_.PlaySoundEffect(SoundTurbo);
  turboOn_ = true;
}

bool PlayLoop::Pass() {
  if (!worm_.InputLocked) {
    const InputSample& input = input_.Sample();
    if (ApplyDirectionInput(input.Keys, input.Stick, worm_.WantedDirection)) directionGiven_ = true;
  }
  CheckPause();
  if (worm_.Quit) return false;
  CountTimers();
  clock_.EndPass();
  return true;
}

void PlayLoop::CheckPause() {
  const InputSample& input = input_.Last();
  if (!JoyPause(input.Joy) && !(input.Keys.Pause && !worm_.Exiting)) return;
  form_.PlaySoundEffect(SoundSelected);
  if (form_.InEditor) {
    worm_.Quit = true;
    return;
  }
  form_.MusicCommand(QStringLiteral("Pause"));
  const std::int16_t answer = PauseScreen(form_, game_);
  if (answer == PauseEndGame) {
    worm_.Quit = true;
  } else if (answer == PauseGoOn) {
    form_.WaitMs(StartPauseMs);
    form_.MusicCommand(QStringLiteral("Pause"));
    if (!worm_.Parked) form_.PlaySoundEffect(SoundGo);
  }
  clock_.Restart();
}

void PlayLoop::CountTimers() {
  PlayState& play = form_.Play;
  if (play.BonusIconCount > 0 && ++play.BonusIconTimer >= 300) {
    DropBonusIcon(form_);
    play.BonusIconTimer = 0;
  }
  if (worm_.ExitTimed && !worm_.Exiting && worm_.FoodLeft > 0 && ++worm_.ExitTimer >= 1000) {
    form_.PlaySoundEffect(SoundGrid);
    rules_.ReplaceBlocks(Blocks::OpenExit, Blocks::WormholeExit, true);
    worm_.ExitFlashing = false;
    worm_.ExitTimer = 0;
    worm_.ExitTimed = false;
  }
  FlashExits();
}

void PlayLoop::FlashExits() {
  if (!worm_.ExitFlashing) {
    flashPasses_ = 0;
    flashShowsFrame_ = false;
    return;
  }
  if (++flashPasses_ % 30 != 0) return;
  flashShowsFrame_ = !flashShowsFrame_;
  rules_.ReplaceBlocks(Blocks::OpenExit, flashShowsFrame_ ? Blocks::ExitFlash : Blocks::OpenExit,
                       false);
}

void PlayLoop::GrowOrMoveTail() {
  if (worm_.LengthCounter < worm_.LengthTarget + 1) {
    ++worm_.LengthCounter;
    return;
  }
  for (int move = 0; move <= worm_.ExtraTailCut; ++move) MoveTail(move == 0);
  worm_.ExtraTailCut = 0;
}

void PlayLoop::MoveTail(bool first) {
  const BodyRing::Entry& tail = body_.NextTail();
  DrawWormPart(form_, static_cast<std::int16_t>(tail.Cell.X), static_cast<std::int16_t>(tail.Cell.Y),
               tail.Picture);
  if (OnField(lastTail_)) {
    BlockCode& code = form_.Database.PlayCopy().Blocks[BlockIndex(lastTail_.X, lastTail_.Y)];
    code = static_cast<BlockCode>(code - Blocks::WormBody);
    DrawBlock(form_, PlayFieldDc(form_), static_cast<std::int16_t>(lastTail_.X),
              static_cast<std::int16_t>(lastTail_.Y), code, form_.CellSize);
  }
  lastTail_ = tail.Cell;
  if (!first) {
    --worm_.LengthCounter;
    --worm_.LengthTarget;
  }
}

void PlayLoop::Move() {
  do {
    worm_.RepeatMove = false;
    worm_.PrevHead = worm_.Head;
    if (!Slides(worm_.GroundGroup)) worm_.MoveDirection = worm_.WantedDirection;
    worm_.Head = StepPosition(worm_.MoveDirection, worm_.Head);
    if (OnField(worm_.Head)) {
      rules_.EnterBlock(worm_.Head);
      if (!worm_.Killed && !worm_.Exiting) rules_.ApplyGround(worm_.Head);
    }
    if (worm_.Exiting) {
      if (++exitSteps_ >= worm_.LengthTarget) worm_.Finished = true;
      baseDelay_ = std::max(baseDelay_ - 1, FastestDelay);
    }
  } while (worm_.RepeatMove);
}

void PlayLoop::DrawAndRecord() {
  const CellPosition head = worm_.Head;
  DrawWormPart(form_, static_cast<std::int16_t>(head.X), static_cast<std::int16_t>(head.Y),
               static_cast<std::int16_t>(worm_.GroundGroup + worm_.MoveDirection));
  body_.AddHead(head);
  DrawWormPart(form_, static_cast<std::int16_t>(lastDrawn_.X), static_cast<std::int16_t>(lastDrawn_.Y),
               static_cast<std::int16_t>(prevGroup_ + BodyPart + worm_.MoveDirection));
  lastDrawn_ = head;
  body_.SetLeftPicture(static_cast<std::int16_t>(prevGroup_ + TailPart + worm_.MoveDirection));
  prevGroup_ = worm_.GroundGroup;
  if (Slides(worm_.GroundGroup)) worm_.MoveDirection = worm_.WantedDirection;
  if (OnField(head)) {
    BlockCode& code = form_.Database.PlayCopy().Blocks[BlockIndex(head.X, head.Y)];
    if (code < Blocks::WormBody) code = static_cast<BlockCode>(code + Blocks::WormBody);
  }
}

void PlayLoop::Park() {
  form_.PlaySoundEffect(SoundSkid);
  clock_.Restart();
  for (int pass = 1; pass <= ParkingPasses; ++pass) {
    if (input_.Sample().Fire()) {
      form_.PlaySoundEffect(SoundSelected);
      break;
    }
    if (pass % 100 == 0) form_.PlaySoundEffect(SoundPip);
    CheckPause();
    if (worm_.Quit) return;
    CountTimers();
    form_.MusicCommand(QStringLiteral("Check"));
    clock_.EndPass();
  }
  form_.WaitMs(StartPauseMs);
  form_.PlaySoundEffect(SoundGo);
  worm_.Parked = false;
  clock_.Restart();
}

bool PlayLoop::Ended() const { return worm_.Finished || worm_.Killed || worm_.Quit; }

TrackResult PlayLoop::End() {
  form_.MusicCommand(QStringLiteral("Stop"));
  if (worm_.Finished) {
    form_.PlaySoundEffect(SoundFanfare1);
    return TrackFinished;
  }
  if (worm_.Killed) {
    form_.PlaySoundEffect(SoundKilled);
    return TrackKilled;
  }
  return TrackQuit;
}
