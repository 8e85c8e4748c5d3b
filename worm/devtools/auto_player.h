#pragma once

#include "body_watch.h"
#include "platform/scripted/scripted_platform.h"
#include "route_planner.h"

#include <array>
#include <cstdint>
#include <optional>

class frmWorm;

// The scripted platform with a careful player at the keypad: after every
// step of the worm it reads the play copy and the play state, plans again
// and holds the key of the direction it wants, turning a step early where
// the worm slides and the other way round on reverse ground. It holds fire
// through a parking stop and lets go before the worm drives on.
class AutoPlayer : public ScriptedPlatform {
 public:
  // The window whose play is steered; set before the first track.
  void Steer(frmWorm& form) { form_ = &form; }
  // A new attempt at a track, given up after stepLimit steps: the window
  // is then closed, which ends WormPlay with ProgramClosing.
  void StartAttempt(int stepLimit);
  // The steps of the current attempt.
  int Steps() const { return watch_.Steps(); }

  bool KeypadHeld(KeypadKey key) override;
  void WaitFor(int ms) override;
  void SoundPlay(int slot) override;

 private:
  // Looks at the play copy and plans the next step once the head moved.
  void Observe();
  void PlanStep(const TrackRecord& playCopy);
  // The move the head just made, through a portal too; none when unknown.
  std::optional<Direction> LastMove() const;

  frmWorm* form_ = nullptr;
  BodyWatch watch_;
  RoutePlanner planner_;
  int stepLimit_ = 0;
  std::optional<KeypadKey> held_;
  bool fireHeld_ = false;
  // The wanted direction held through the last step (after reverse ground).
  std::optional<Direction> wanted_;
  // The move the last step was expected to make.
  std::optional<Direction> expectedMove_;
  // The step now running ignores the keypad (after a spinner or a bounce).
  bool locked_ = false;
  // The length the worm grows to, from the start length and the food eaten.
  int lengthTarget_ = 0;
  // The block layer at the last plan: what the head has since entered.
  std::optional<std::array<std::uint8_t, TrackWidth * TrackHeight>> lastBlocks_;
};

// How an automated attempt at a track went.
struct TrackReport {
  bool Finished = false;
  int Steps = 0;      // steps of every attempt together
  int LivesLost = 0;
  int ShieldLeft = 0;
};

// Plays track number `track` of form.Database as a game would: lives,
// shield and breaking pads from the database settings, the same track
// again after a lost life with the shield and pads refilled, until it is
// finished or the lives are gone. form must run on player.
TrackReport AutoPlayTrack(frmWorm& form, AutoPlayer& player, std::uint8_t track);
