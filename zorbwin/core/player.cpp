#include "core/player.h"

#include "core/actor_cells.h"
#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/dot_eating.h"
#include "core/fruit.h"
#include "core/frightened_chasers.h"
#include "core/game_state.h"
#include "core/sprite_ids.h"

namespace {

// Turns the requested way when all of the picture fits there one step
// ahead, else keeps its way; stops against a wall.
void Steer(Actor& player) {
  std::uint8_t old = player.dir;
  player.dir = gameState.requestedDir;
  if (BlockedAhead(player, NotForPlayer)) player.dir = old;
  if (BlockedAhead(player, NotForPlayer)) {
    player.dir = DIR_NONE;
    return;
  }
  TakeStep(player);
  EatDot(player);
}

}  // namespace

void PlayerInit(int actor) {
  Actor& player = actorTable[actor];
  player.steps = player.baseSteps;
  player.image = player.baseImage;
  player.mask = SpritePlayerMask;
  player.frame = 0;
  player.animationCountdown = PlayerChomp.period;
}

void AnimatePlayer(int actor) { Animate(actorTable[actor], PlayerChomp); }

void PlayerMove(int actor) {
  Actor& player = actorTable[actor];
  if (StepDue(player)) {
    Steer(player);
    CountFrightenedTime();
    RunFruitClock();
  }
  AnimatePlayer(actor);
}
