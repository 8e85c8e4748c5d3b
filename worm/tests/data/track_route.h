#pragma once

#include "core/track_database.h"

#include <string>
#include <vector>

// Whether a worm can finish a track: from every start wormhole it must reach every food
// cell and, from each of them, an exit. Moves go to the eight neighbours. Hard walls, the
// border and one-ways entered against their arrow stop the worm; soft walls break; a door
// opens when a key of its colour has been reached that no other door used; water needs
// reachable scuba gear and lava reachable lava shoes (also under items); a portal sends
// the worm on from every other portal of its colour in the same direction.
//
// Returns one line per problem found; empty when the track can be finished.
std::vector<std::string> RouteProblems(const TrackRecord& track);
