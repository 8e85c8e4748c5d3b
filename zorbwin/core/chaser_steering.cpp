#include "core/chaser_steering.h"

#include <string_view>

#include "core/actor_cells.h"
#include "core/actor_table.h"
#include "core/move_dir.h"

namespace {

// Across the actor's way toward (x, y): up or down when it moves
// horizontally, right or left when it moves vertically.
std::uint8_t Toward(const Actor& actor, int x, int y) {
  if (MovesVertically(actor.dir)) return actor.x < x ? DIR_RIGHT : DIR_LEFT;
  return actor.y < y ? DIR_UP : DIR_DOWN;
}

// Across the actor's way away from (x, y).
std::uint8_t AwayFrom(const Actor& actor, int x, int y) {
  if (MovesVertically(actor.dir)) return x < actor.x ? DIR_RIGHT : DIR_LEFT;
  return y < actor.y ? DIR_UP : DIR_DOWN;
}

void ReverseWhenBlocked(Actor& actor, std::string_view blocking) {
  if (BlockedAhead(actor, blocking)) actor.dir = ReverseDir(actor.dir);
}

// Takes the new direction where it is free. When the old way was already
// blocked the actor must turn: it goes back the other way across instead.
void TurnWhereFree(Actor& actor, std::uint8_t turn, std::string_view blocking) {
  std::uint8_t old = actor.dir;
  bool oldBlocked = BlockedAhead(actor, blocking);
  actor.dir = turn;
  if (!BlockedAhead(actor, blocking)) return;
  actor.dir = oldBlocked ? ReverseDir(turn) : old;
}

}  // namespace

void TurnTowardTarget(Actor& actor, int targetX, int targetY) {
  actor.dir = Toward(actor, targetX, targetY);
  ReverseWhenBlocked(actor, Walls);
}

void TurnTowardPlayer(Actor& actor) { TurnTowardTarget(actor, Player().x, Player().y); }

void TurnByPlayerDir(Actor& actor) {
  std::uint8_t playerDir = Player().dir;
  if (MovesVertically(actor.dir))
    actor.dir = (playerDir & DIR_LEFT) ? DIR_LEFT : DIR_RIGHT;
  else
    actor.dir = (playerDir & DIR_UP) ? DIR_UP : DIR_DOWN;
  ReverseWhenBlocked(actor, Walls);
}

void Pursue(Actor& actor) {
  const Actor& player = Player();
  std::uint8_t old = actor.dir;
  if (MovesVertically(actor.dir)) {
    if (actor.x != player.x) actor.dir = actor.x < player.x ? DIR_RIGHT : DIR_LEFT;
  } else if (actor.y != player.y) {
    actor.dir = actor.y < player.y ? DIR_UP : DIR_DOWN;
  }
  if (!BlockedAhead(actor, WallsAndHouse)) return;
  actor.dir = old;
  if (BlockedAhead(actor, Walls)) TurnTowardPlayer(actor);
}

void Flee(Actor& actor) {
  TurnWhereFree(actor, AwayFrom(actor, Player().x, Player().y), WallsAndHouse);
}

void ReturnHome(Actor& actor) {
  TurnWhereFree(actor, Toward(actor, HouseDoorX, HouseDoorY), Walls);
}
