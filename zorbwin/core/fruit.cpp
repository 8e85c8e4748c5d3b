#include "core/fruit.h"

#include "core/actor_cells.h"
#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/chaser_steering.h"
#include "core/game_state.h"
#include "core/level_values.h"

namespace {

constexpr int FruitArrives = 300;

}  // namespace

void FruitInit(int actor) {
  Actor& fruit = actorTable[actor];
  fruit.image = LevelFruitSprite(gameState.level);
  fruit.mask = fruit.image + 1;
  fruit.dir = DIR_RIGHT;
  fruit.frame = 0;
  fruit.flags = 0;
  fruit.x = FruitStartX;
  fruit.y = FruitStartY;
  fruit.steps = fruit.baseSteps;
}

void FruitIdle(int actor) { actorTable[actor].frame = 0; }

void FruitMove(int actor) {
  Actor& fruit = actorTable[actor];
  if (FruitStepDue(fruit)) {
    if (BlockedAhead(fruit, Walls)) TurnByPlayerDir(fruit);
    TakeStep(fruit);
  }
  FruitIdle(actor);
}

void RunFruitClock() {
  Actor& fruit = actorTable[FruitIndex];
  if (gameState.bonusTicks >= gameState.fruitLimit) {
    SetActive(fruit, false);
    return;
  }
  if (++gameState.bonusTicks == FruitArrives) {
    fruit.init(FruitIndex);
    SetActive(fruit, true);
  }
}
