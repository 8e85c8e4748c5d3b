#pragma once

#include <array>

#include "core/actor.h"
#include "core/game_state.h"

// The ten actors, always in this order: four power dots in the corners,
// four chasers, the player, the fruit.
constexpr int FirstPowerDot = 0;
constexpr int PowerDotCount = 4;
constexpr int FirstChaser = 4;
constexpr int ChaserCount = 4;
constexpr int PlayerIndex = 8;
constexpr int FruitIndex = 9;
constexpr int ActorCount = 10;

extern std::array<Actor, ActorCount> actorTable;

inline Actor& Player() { return actorTable[PlayerIndex]; }

// Calls routine(index, actor) for every actor in table order while the
// actors run; stops as soon as they do not.
template <typename Routine>
void EachRunningActor(Routine routine) {
  for (int index = 0; index < ActorCount; ++index) {
    if (gameState.running != 1) return;
    routine(index, actorTable[index]);
  }
}

// The table as the program starts: pictures, masks, start places, insets,
// base step counts and routines.
std::array<Actor, ActorCount> StartingActorTable();

// The chasers and the player back to their start places, started again and
// standing still until play starts; running = 1.
void ResetActors();
// When play starts: chasers hunt, the player follows the keys, the power
// dots pulse; the fruit keeps its own move.
void AssignMoveRoutines();
// Level set-up: power dots and chasers started again and active, the fruit
// inactive, and every actor's picture put straight onto the window.
void StartLevelActors();

// The erase routine of every actor: redraws the cell under the actor and its
// four neighbours on the window.
void EraseActor(int actor);
// The move routine of an actor that stands still.
void NoMove(int actor);
