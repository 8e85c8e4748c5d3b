#pragma once

#include <cstdint>

// A routine of an actor, given the actor's index in the table.
using ActorRoutine = void (*)(int actor);

constexpr std::int32_t ActorActive = 1;  // flags bit: moved, drawn and tested

// Everything that moves or blinks in the maze. Positions are the bottom-left
// corner of the 20 x 20 picture, in maze pixels counted from the bottom.
struct Actor {
  std::int32_t image = 0;  // the frame is added when drawing
  std::int32_t mask = 0;
  std::int32_t baseImage = 0;
  std::int32_t flags = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  // Margins of the collision box inside the picture.
  std::int32_t insetLeft = 0;
  std::int32_t insetBottom = 0;
  std::int32_t insetRight = 0;
  std::int32_t insetTop = 0;
  ActorRoutine init = nullptr;
  ActorRoutine move = nullptr;
  ActorRoutine erase = nullptr;
  ActorRoutine idle = nullptr;
  std::uint8_t dir = 0;  // MoveDir
  std::int32_t stepX = 4;
  std::int32_t stepY = 4;
  std::int32_t baseSteps = 0;  // step count at level 0
  std::int32_t steps = 0;      // steps on `steps` ticks out of steps + 1
  std::int32_t oldX = 0;
  std::int32_t oldY = 0;
  std::int32_t stepCountdown = 0;
  std::int32_t animationCountdown = 0;
  std::int32_t frame = 0;
  std::int32_t phase = 0;  // a chaser's behaviour, 0 to 10
};

inline bool IsActive(const Actor& actor) { return (actor.flags & ActorActive) != 0; }
inline void SetActive(Actor& actor, bool active) {
  actor.flags = active ? (actor.flags | ActorActive) : (actor.flags & ~ActorActive);
}
