#include "core/actor_motion.h"

#include "core/actor_cells.h"

bool StepDue(Actor& actor) {
  if (actor.stepCountdown == 0) {
    actor.stepCountdown = actor.steps;
    return false;
  }
  --actor.stepCountdown;
  return true;
}

bool FruitStepDue(Actor& actor) {
  if (actor.stepCountdown != 0) {
    --actor.stepCountdown;
    return false;
  }
  actor.stepCountdown = actor.steps;
  return true;
}

void TakeStep(Actor& actor) {
  if (BlockedAhead(actor, Walls)) return;
  Position ahead = PositionAhead(actor);
  actor.x = ahead.x;
  actor.y = ahead.y;
}

void Animate(Actor& actor, Animation animation) {
  if (actor.animationCountdown <= 0) return;
  if (--actor.animationCountdown == 0) {
    actor.frame = (actor.frame + 1) % animation.frames;
    actor.animationCountdown = animation.period;
  }
}
