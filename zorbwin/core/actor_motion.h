#pragma once

#include "core/actor.h"

// Step timing of every actor but the fruit: true on a stepping tick, which
// lowers the countdown; when the countdown is 0 the actor stands still for
// this tick and the countdown starts again from the step count.
bool StepDue(Actor& actor);

// The fruit's timing the other way round: it steps only when the countdown
// is 0, then starts it again; otherwise lowers it.
bool FruitStepDue(Actor& actor);

// Moves the actor one step in its direction. A step that would bring a
// corner of its picture onto a wall (or outside the maze, which reads as
// wall) is not taken, so no actor ever leaves the corridors.
void TakeStep(Actor& actor);

// An animation: the number of frames and the ticks each one shows.
struct Animation {
  int frames;
  int period;
};
constexpr Animation PowerDotPulse{3, 4};
constexpr Animation ChaserWalk{2, 20};
constexpr Animation PlayerChomp{4, 8};

// Lowers the animation countdown; when it reaches 0 the frame advances and
// the countdown starts again from the period. A countdown of 0 or below
// freezes the frame.
void Animate(Actor& actor, Animation animation);
