#include "core/actor_table.h"

#include "core/blit.h"
#include "core/chaser.h"
#include "core/fruit.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/hunt_move.h"
#include "core/maze_drawing.h"
#include "core/player.h"
#include "core/power_dot.h"
#include "core/sprite_ids.h"
#include "core/sprite_sheet.h"

namespace {

// Start places of the player and the chasers.
constexpr int PlayerStartX = 180;
constexpr int PlayerStartY = 120;
constexpr int ChaserStartY = 200;

// Chaser i (4 to 7) starts at x = 200 - 4i inside the house.
constexpr int ChaserStartX(int actor) { return 200 - 4 * actor; }

struct ActorRole {
  ActorRoutine init;
  ActorRoutine idle;
  ActorRoutine move;
};

constexpr ActorRole PowerDotRole{PowerDotInit, AnimatePowerDot, AnimatePowerDot};
constexpr ActorRole ChaserRole{ChaserInit, AnimateChaser, HuntMove};
constexpr ActorRole PlayerRole{PlayerInit, AnimatePlayer, PlayerMove};
constexpr ActorRole FruitRole{FruitInit, FruitIdle, FruitMove};

Actor MakeActor(const ActorRole& role, std::int32_t image, std::int32_t mask, int x, int y,
                std::array<int, 4> insets, int baseSteps) {
  Actor actor;
  actor.image = actor.baseImage = image;
  actor.mask = mask;
  actor.x = actor.oldX = x;
  actor.y = actor.oldY = y;
  actor.insetLeft = insets[0];
  actor.insetBottom = insets[1];
  actor.insetRight = insets[2];
  actor.insetTop = insets[3];
  actor.init = role.init;
  actor.idle = role.idle;
  actor.move = role.move;
  actor.erase = EraseActor;
  actor.baseSteps = actor.steps = baseSteps;
  return actor;
}

Actor Active(Actor actor) {
  SetActive(actor, true);
  return actor;
}

}  // namespace

std::array<Actor, ActorCount> actorTable = StartingActorTable();

std::array<Actor, ActorCount> StartingActorTable() {
  constexpr std::array<int, 4> dotInsets{4, 4, 4, 4};
  constexpr std::array<int, 4> insets{3, 3, 3, 3};
  return {
      MakeActor(PowerDotRole, SpritePowerDot, SpritePowerDotMask, 20, 20, dotInsets, 0),
      MakeActor(PowerDotRole, SpritePowerDot, SpritePowerDotMask, 340, 20, dotInsets, 0),
      MakeActor(PowerDotRole, SpritePowerDot, SpritePowerDotMask, 20, 340, dotInsets, 0),
      MakeActor(PowerDotRole, SpritePowerDot, SpritePowerDotMask, 340, 340, dotInsets, 0),
      MakeActor(ChaserRole, SpriteChaser, SpriteChaserMask, ChaserStartX(4), ChaserStartY, insets,
                3),
      MakeActor(ChaserRole, SpriteChaser + 2, SpriteChaserMask, ChaserStartX(5), ChaserStartY,
                insets, 4),
      MakeActor(ChaserRole, SpriteChaser + 4, SpriteChaserMask, ChaserStartX(6), ChaserStartY,
                insets, 3),
      MakeActor(ChaserRole, SpriteChaser + 6, SpriteChaserMask, ChaserStartX(7), ChaserStartY,
                {3, 2, 3, 3}, 2),
      Active(MakeActor(PlayerRole, SpritePlayer, SpritePlayerMask, PlayerStartX, PlayerStartY,
                       insets, 4)),
      MakeActor(FruitRole, SpriteFruit, SpriteFruit + 1, FruitStartX, FruitStartY, insets, 2),
  };
}

void ResetActors() {
  for (int actor = FirstChaser; actor < FirstChaser + ChaserCount; ++actor) {
    actorTable[actor].x = ChaserStartX(actor);
    actorTable[actor].y = ChaserStartY;
    actorTable[actor].init(actor);
  }
  Player().x = PlayerStartX;
  Player().y = PlayerStartY;
  Player().init(PlayerIndex);
  for (int actor = FirstChaser; actor <= PlayerIndex; ++actor) actorTable[actor].move = NoMove;
  gameState.running = 1;
}

void AssignMoveRoutines() {
  for (int actor = FirstPowerDot; actor < FirstPowerDot + PowerDotCount; ++actor)
    actorTable[actor].move = AnimatePowerDot;
  for (int actor = FirstChaser; actor < FirstChaser + ChaserCount; ++actor)
    actorTable[actor].move = HuntMove;
  Player().move = PlayerMove;
}

void StartLevelActors() {
  for (int actor = FirstPowerDot; actor < FirstChaser + ChaserCount; ++actor) {
    actorTable[actor].init(actor);
    SetActive(actorTable[actor], true);
  }
  SetActive(actorTable[FruitIndex], false);
  for (const Actor& actor : actorTable) {
    DrawSprite(spriteSheet, gameSurfaces.windowSurface, actor.image, actor.x, actor.y, BLIT_COPY);
  }
}

void EraseActor(int actor) { RedrawCellsAround(actorTable[actor].x, actorTable[actor].y); }

void NoMove(int) {}
