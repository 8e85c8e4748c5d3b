#include "core/game_tick.h"

#include "core/actor_table.h"
#include "core/collisions.h"
#include "core/dot_font.h"
#include "core/event_codes.h"
#include "core/frame_drawing.h"
#include "core/game_state.h"
#include "core/resource_ids.h"
#include "core/scoring.h"
#include "core/sprite_ids.h"
#include "core/window_slots.h"

namespace {

constexpr int DyingFrames = 4;
constexpr int DyingFrameMilliseconds = 250;

void ResetTick() {
  gameState.requestedDir = DIR_NONE;
  ResetActors();
  for (Actor& actor : actorTable) actor.frame = 1;
  gameState.phase = PHASE_WAITING;
}

// The maze stands still with its animations until a cursor key.
void WaitingTick() {
  EachRunningActor([](int actor, Actor& each) { each.idle(actor); });
  DrawFrame();
  if (gameState.requestedDir != DIR_NONE && gameState.running != 0) {
    gameState.phase = PHASE_PLAYING;
    AssignMoveRoutines();
  }
}

void PlayingTick() {
  EachRunningActor([](int actor, Actor& each) {
    if (!IsActive(each)) return;
    each.oldX = each.x;
    each.oldY = each.y;
    each.move(actor);
  });
  DrawFrame();
  CheckCollisions();
}

// The player shrinks away in four pictures, a second in all, then loses a
// life. A new game or level built meanwhile ends the sequence.
void DyingTick(const TickPause& pause) {
  Actor& player = Player();
  player.frame = 0;
  for (int step = 0; step < DyingFrames; ++step) {
    player.image = SpriteDying + step;
    player.mask = SpriteDyingMask + step;
    DrawFrame();
    pause(DyingFrameMilliseconds);
    if (gameState.phase != PHASE_DYING) return;
  }
  gameState.phase = PHASE_RESET;
  LoseLife();
  SetActive(actorTable[FruitIndex], false);
  DrawFrame();
  PostEvent(FindWindowSlot(MAIN_WINDOW_ID), EV_PAINT);
}

// Once per game: the running flag is cleared when the game is recorded.
void GameOverTick() {
  if (gameState.running == 0) return;
  RecordBestScore(gameState.score, gameState.level + 1);
  gameState.running = 0;
  DrawDotText("GAME OVER", 100, 200);
}

}  // namespace

void GameTick(const TickPause& pause) {
  switch (gameState.phase) {
    case PHASE_GAME_OVER:
      GameOverTick();
      break;
    case PHASE_RESET:
      ResetTick();
      break;
    case PHASE_DYING:
      DyingTick(pause);
      break;
    case PHASE_PLAYING:
      PlayingTick();
      break;
    case PHASE_WAITING:
      WaitingTick();
      break;
    default:  // idle, paused
      break;
  }
}
