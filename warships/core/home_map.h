#pragma once

#include "core/cell_index.h"
#include "core/map_view.h"
#include "core/random_source.h"

// The player's own map, "Map of Home Base", which the computer shoots at.
class HomeMap {
public:
    explicit HomeMap(MapView& view);

    // Form_Load: places the player's fleet, with Easy already set.
    void PlaceFleet(RandomSource& random);
    // Places a ship and prints its length into each of its cells.
    void PlaceHomeShip(int length, RandomSource& random);
    // The computer's shot landing at cell: marks it, frames it as the latest
    // shot and tells whether it hit. A cell outside the map sets
    // BlockNonexistent and changes nothing.
    bool CheckPlr(int cell);

    bool Easy = false;
    CellFlags ShipCells{};
    CellFlags HitCells{};
    bool BlockNonexistent = false;

private:
    MapView& view_;
};
