#include "core/hunt_move.h"

#include "core/actor_cells.h"
#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/chaser.h"
#include "core/chaser_steering.h"
#include "core/game_state.h"
#include "core/random_generator.h"

namespace {

// Down, right, up, left, twice: the way round the inside of the house.
constexpr std::uint8_t LeavingPath[LeavingPhases] = {DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT,
                                                     DIR_DOWN, DIR_RIGHT, DIR_UP, DIR_LEFT};
constexpr int PursuitDistance = 80;
constexpr int ChaserWhoTurnsTowardPlayer = 0;
constexpr int ChaserWhoPursues = 1;
constexpr int ChaserWhoSometimesPursues = 2;

bool NearPlayer(const Actor& chaser) {
  int dx = chaser.x - Player().x;
  int dy = chaser.y - Player().y;
  return dx * dx + dy * dy < PursuitDistance * PursuitDistance;
}

// Each chaser's own way of hunting when the player is not near.
void HuntByOwnRule(int actor, Actor& chaser, bool walled) {
  switch (ChaserNumber(actor)) {
    case ChaserWhoTurnsTowardPlayer:
      if (walled) TurnTowardPlayer(chaser);
      break;
    case ChaserWhoPursues:
      Pursue(chaser);
      break;
    case ChaserWhoSometimesPursues:
      if (NextRandom() % 4 == 0)
        Pursue(chaser);
      else if (walled)
        TurnByPlayerDir(chaser);
      break;
    default:
      if (walled) TurnByPlayerDir(chaser);
      break;
  }
}

void Steer(int actor, Actor& chaser) {
  FourCells ahead = CornerCells(chaser);
  bool walled = AnyCellIn(Walls, ahead);
  if (chaser.phase < LeavingPhases) {
    if (walled) chaser.dir = LeavingPath[chaser.phase++];
  } else if (chaser.phase == PhaseFindExit) {
    if (AnyCellIn(HouseExit, ahead)) {
      chaser.dir = DIR_UP;
      chaser.phase = PhaseToCorner;
    }
  } else if (chaser.phase == PhaseToCorner) {
    const Actor& target = TargetPowerDot(actor);
    if (walled) TurnTowardTarget(chaser, target.x, target.y);
    if (chaser.x == target.x && chaser.y == target.y) chaser.phase = PhaseHunting;
  } else if (NearPlayer(chaser)) {
    Pursue(chaser);
  } else {
    HuntByOwnRule(actor, chaser, walled);
  }
}

}  // namespace

void HuntMove(int actor) {
  Actor& chaser = actorTable[actor];
  if (StepDue(chaser)) {
    Steer(actor, chaser);
    TakeStep(chaser);
  }
  AnimateChaser(actor);
}
