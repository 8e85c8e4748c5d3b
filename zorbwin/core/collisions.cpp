#include "core/collisions.h"

#include "core/actor_table.h"
#include "core/chaser.h"
#include "core/frightened_chasers.h"
#include "core/game_state.h"
#include "core/maze.h"
#include "core/scoring.h"
#include "core/sprite_ids.h"

namespace {

// A collision handler, given the other actor's index; true when the player
// was killed.
using CollisionHandler = bool (*)(int actor);

struct CollisionPair {
  int first;
  int second;
  CollisionHandler handler;
};

struct Box {
  int left, bottom, right, top;
};

Box CollisionBox(const Actor& actor) {
  return {actor.x + actor.insetLeft, actor.y + actor.insetBottom,
          actor.x + CellWidth - actor.insetRight, actor.y + CellHeight - actor.insetTop};
}

bool BottomLeftInside(const Box& corner, const Box& box) {
  return corner.left >= box.left && corner.left <= box.right && corner.bottom >= box.bottom &&
         corner.bottom <= box.top;
}

bool PowerDotTaken(int actor) {
  FrightenChasers();
  SetActive(actorTable[actor], false);
  actorTable[actor].erase(actor);
  return false;
}

bool ChaserMet(int actor) {
  std::int32_t image = actorTable[actor].image;
  if (IsNormalChaserImage(image)) {
    gameState.phase = PHASE_DYING;
    return true;
  }
  if (IsFrightenedOrBlinkingImage(image)) EatChaser(actor);
  return false;
}

bool FruitEaten(int actor) {
  SetActive(actorTable[actor], false);
  AddScore(gameState.fruitValue);
  CheckExtraLives();
  return false;
}

constexpr CollisionPair CollisionTable[] = {
    {PlayerIndex, 0, PowerDotTaken}, {PlayerIndex, 1, PowerDotTaken},
    {PlayerIndex, 2, PowerDotTaken}, {PlayerIndex, 3, PowerDotTaken},
    {PlayerIndex, 4, ChaserMet},     {PlayerIndex, 5, ChaserMet},
    {PlayerIndex, 6, ChaserMet},     {PlayerIndex, 7, ChaserMet},
    {PlayerIndex, FruitIndex, FruitEaten},
};

}  // namespace

bool BoxesCollide(const Actor& a, const Actor& b) {
  Box boxA = CollisionBox(a);
  Box boxB = CollisionBox(b);
  return BottomLeftInside(boxA, boxB) || BottomLeftInside(boxB, boxA);
}

void CheckCollisions() {
  for (const CollisionPair& pair : CollisionTable) {
    if (gameState.running != 1) return;
    const Actor& first = actorTable[pair.first];
    const Actor& second = actorTable[pair.second];
    if (!IsActive(first) || !IsActive(second) || !BoxesCollide(first, second)) continue;
    if (pair.handler(pair.second)) return;
  }
}
