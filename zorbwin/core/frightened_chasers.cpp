#include "core/frightened_chasers.h"

#include "core/actor_cells.h"
#include "core/actor_motion.h"
#include "core/actor_table.h"
#include "core/chaser.h"
#include "core/chaser_steering.h"
#include "core/eyes_move.h"
#include "core/game_state.h"
#include "core/hunt_move.h"
#include "core/level_values.h"
#include "core/scoring.h"
#include "core/sprite_ids.h"

namespace {

constexpr int NoFrightenedTime = -1;
constexpr int BlinkingTime = 100;
constexpr int BlinkingSteps = 2;
constexpr int RecoverCountdown = 2;

template <typename Change>
void ForEachChaser(Change change) {
  for (int actor = FirstChaser; actor < FirstChaser + ChaserCount; ++actor)
    change(actor, actorTable[actor]);
}

bool InsideTheHouse(const Actor& chaser) {
  return InsideHouse.find(CentreCell(chaser)) != std::string_view::npos;
}

}  // namespace

void FrightenChasers() {
  gameState.chaserValue = FirstChaserPoints;
  ForEachChaser([](int, Actor& chaser) {
    if (InsideTheHouse(chaser) || !IsNormalChaserImage(chaser.image)) return;
    chaser.steps = LevelFrightenedSteps(chaser.baseSteps, gameState.level);
    chaser.move = FleeMove;
    chaser.image = SpriteFrightened;
    chaser.animationCountdown = 0;
  });
  gameState.frightTimer = LevelFrightenedTicks(gameState.level);
}

void StartBlinking() {
  ForEachChaser([](int actor, Actor& chaser) {
    if (InsideTheHouse(chaser) || chaser.image != SpriteFrightened) return;
    chaser.image = SpriteBlinking + 2 * ChaserNumber(actor);
    chaser.frame = 0;
    chaser.animationCountdown = ChaserWalk.period;
    chaser.steps = BlinkingSteps;
  });
}

void EndFrightenedTime() {
  ForEachChaser([](int, Actor& chaser) {
    if (!IsFrightenedOrBlinkingImage(chaser.image)) return;
    chaser.image = chaser.baseImage;
    chaser.animationCountdown = RecoverCountdown;
    chaser.move = HuntMove;
    chaser.steps = HuntingSteps(chaser);
  });
  gameState.frightTimer = NoFrightenedTime;
}

void CountFrightenedTime() {
  if (gameState.frightTimer == NoFrightenedTime) return;
  if (gameState.frightTimer == BlinkingTime) StartBlinking();
  if (gameState.frightTimer-- == 0) EndFrightenedTime();
}

void EatChaser(int actor) {
  Actor& chaser = actorTable[actor];
  chaser.move = EyesMove;
  chaser.image = SpriteEyes;
  chaser.mask = SpriteEyesMask;
  chaser.frame = 0;
  chaser.animationCountdown = ChaserWalk.period;
  chaser.steps = HuntingSteps(chaser);
  AddScore(gameState.chaserValue);
  CheckExtraLives();
  gameState.chaserValue *= 2;
  if (gameState.chaserValue > LastChaserPoints) gameState.frightTimer = NoFrightenedTime;
}

void FleeMove(int actor) {
  Actor& chaser = actorTable[actor];
  if (StepDue(chaser)) {
    Flee(chaser);
    TakeStep(chaser);
  }
  AnimateChaser(actor);
}
