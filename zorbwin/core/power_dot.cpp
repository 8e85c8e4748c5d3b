#include "core/power_dot.h"

#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/sprite_ids.h"

void PowerDotInit(int actor) {
  Actor& dot = actorTable[actor];
  dot.image = SpritePowerDot;
  dot.animationCountdown = PowerDotPulse.period;
  dot.steps = dot.baseSteps;
}

void AnimatePowerDot(int actor) { Animate(actorTable[actor], PowerDotPulse); }
