#pragma once

#include "core/track_database.h"

#include <string>

// Reads a track database from its text source (see vora.tracks for the format): the file
// name, the settings, a legend of one character per block code, and tracks drawn as 35
// rows of 51 characters. The border ring is added and the ground layer is derived: a
// ground cell lies on itself, any other block on the nearest ground to its left in the
// row, else to its right, else on Dirt.
//
// On a fault, error names the line and what is wrong.
bool ReadTrackSource(const std::string& text, TrackDatabase& database, std::string& fileName,
                     std::string& error);
