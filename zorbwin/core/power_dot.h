#pragma once

// A power dot in a corner of the maze: a red disc pulsing in three sizes.
void PowerDotInit(int actor);
// The three-frame pulse, while waiting and while playing.
void AnimatePowerDot(int actor);
