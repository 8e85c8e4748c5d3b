#pragma once

#include "core/body_ring.h"
#include "core/input_reader.h"
#include "core/pass_clock.h"
#include "core/track_rules.h"
#include "core/worm_play.h"
#include "core/worm_state.h"

#include <cstdint>

class frmWorm;
struct RunningGame;

// One run of WormPlay: the worm, its body, the step timing and the polling
// passes of one track, from its start to its end.
class PlayLoop {
 public:
  PlayLoop(frmWorm& form, std::uint8_t track, RunningGame& game);

  TrackResult Run();

 private:
  // Start of the track; false when it has no start cell.
  bool Start();
  void StartGame();
  void StartTune();
  void Step();
  void UnlockInput();
  int GroundDelay() const;
  void Brake();
  void Turbo();
  // One polling pass; false when the track ends (quit).
  bool Pass();
  // The pause input: pause screen, or the end of an editor test.
  void CheckPause();
  void CountTimers();
  void FlashExits();
  void GrowOrMoveTail();
  void MoveTail(bool first);
  void Move();
  void DrawAndRecord();
  void Park();
  bool Ended() const;
  TrackResult End();

  frmWorm& form_;
  std::uint8_t track_;
  RunningGame& game_;
  WormState worm_;
  TrackRules rules_;
  InputReader input_;
  PassClock clock_;
  BodyRing body_;
  int baseDelay_ = 26;
  int stepDelay_ = 26;
  int lockedSteps_ = 0;
  int brakingSteps_ = 0;
  bool turboOn_ = false;
  bool directionGiven_ = false;
  int exitSteps_ = 0;
  int flashPasses_ = 0;
  bool flashShowsFrame_ = false;
  CellPosition lastDrawn_ = BodyRing::Dummy;
  CellPosition lastTail_ = BodyRing::Dummy;
  std::int16_t prevGroup_ = 0;
};
