#pragma once

#include "tune.h"

#include <string>
#include <vector>

// Standard MIDI file (format 0, one track) of a tune: tempo, channel set-up, notes, and the
// end of the track exactly at the tune's length so that it loops without a gap. Every tick
// of the tune is at most kMaxTuneTicks, as the tune reader ensures.
std::vector<unsigned char> MidiFileBytes(const Tune& tune);
