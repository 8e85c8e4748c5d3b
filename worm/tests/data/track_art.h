#pragma once

#include "core/track_database.h"

#include <string>
#include <vector>

// A source text of one track drawn from the given rows, padded with hard walls to 35 rows of 51
// cells, with the legend of the starter database.
std::string TrackArtSource(const std::vector<std::string>& rows);

// The track read from TrackArtSource(rows).
TrackRecord TrackFromArt(const std::vector<std::string>& rows);
