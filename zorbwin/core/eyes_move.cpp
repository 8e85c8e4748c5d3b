#include "core/eyes_move.h"

#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/chaser.h"
#include "core/chaser_steering.h"
#include "core/game_state.h"

namespace {

constexpr int HouseInsideY = 180;

}  // namespace

void EyesMove(int actor) {
  Actor& eyes = actorTable[actor];
  bool atDoor = eyes.x == HouseDoorX && eyes.y == HouseDoorY;
  if (atDoor && eyes.stepCountdown != 0) {
    eyes.dir = DIR_DOWN;
    eyes.move = EnterHouseMove;
  } else if (StepDue(eyes)) {
    ReturnHome(eyes);
    TakeStep(eyes);
  }
  AnimateChaser(actor);
}

void EnterHouseMove(int actor) {
  Actor& eyes = actorTable[actor];
  if (StepDue(eyes)) {
    if (eyes.y == HouseInsideY) {
      ChaserInit(actor);
    } else {
      eyes.y -= eyes.stepY;
    }
  }
  AnimateChaser(actor);
}
