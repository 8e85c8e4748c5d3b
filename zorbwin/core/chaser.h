#pragma once

#include <cstdint>

#include "core/actor.h"

// Starts a chaser in its house: phase 0, heading left, its own picture,
// hunting.
void ChaserInit(int actor);
// The two-frame animation of every chaser state.
void AnimateChaser(int actor);

// The chaser's number 0 to 3 from its index in the actor table.
int ChaserNumber(int actor);
// The power dot whose place the chaser heads for when it leaves the house.
const Actor& TargetPowerDot(int actor);
// The chaser's step count while it hunts, at the current level.
int HuntingSteps(const Actor& chaser);

// What a chaser's picture says of its state.
bool IsNormalChaserImage(std::int32_t image);
bool IsFrightenedOrBlinkingImage(std::int32_t image);
