// The last stage of every sound effect: one loudness for all, no DC offset,
// and peaks low enough that effects mix over the music without clipping.
#pragma once

#include "synth.h"

// The short-term loudness (sound_levels.h) of every effect, in dB of full
// scale, before its own offset.
constexpr double TargetLoudness = -17;
// No true peak (sound_levels.h) goes beyond this: two effects at their peaks,
// played at 3/4 volume over the loudest tune, stay under full scale.
constexpr double PeakCeiling = 0.4;

// The mastered sound: DC removed, brought to TargetLoudness + offsetDb (or as
// near as limiting allows), peaks above PeakCeiling turned down smoothly, first
// and last milliseconds ramped.
Samples Master(const Samples& raw, double offsetDb = 0);
