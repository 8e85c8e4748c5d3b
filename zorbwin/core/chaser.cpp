#include "core/chaser.h"

#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/game_state.h"
#include "core/hunt_move.h"
#include "core/level_values.h"
#include "core/sprite_ids.h"

void ChaserInit(int actor) {
  Actor& chaser = actorTable[actor];
  chaser.phase = 0;
  chaser.dir = DIR_LEFT;
  chaser.image = chaser.baseImage;
  chaser.mask = SpriteChaserMask;
  chaser.frame = 0;
  chaser.animationCountdown = ChaserWalk.period;
  chaser.move = HuntMove;
  chaser.steps = HuntingSteps(chaser);
}

void AnimateChaser(int actor) { Animate(actorTable[actor], ChaserWalk); }

int ChaserNumber(int actor) { return actor - FirstChaser; }

const Actor& TargetPowerDot(int actor) { return actorTable[FirstPowerDot + ChaserNumber(actor)]; }

int HuntingSteps(const Actor& chaser) { return LevelChaserSteps(chaser.baseSteps, gameState.level); }

bool IsNormalChaserImage(std::int32_t image) {
  return image >= SpriteChaser && image < SpriteFrightened;
}

bool IsFrightenedOrBlinkingImage(std::int32_t image) {
  return image >= SpriteFrightened && image < SpriteEyes;
}
