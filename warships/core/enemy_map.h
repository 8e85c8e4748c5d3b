#pragma once

#include "core/cell_index.h"
#include "core/map_view.h"

// The player's shots at the computer's map, "Map of Enemy Territory".
class EnemyMap {
public:
    explicit EnemyMap(MapView& view);

    // Prints "Hit" or "Miss" into the cell.
    void MarkShot(bool hit, int cell);
    // Shows a computer ship cell the player has not found.
    void AddShip(int cell);

    CellFlags ShotCells{};
    int Hits = 0;

private:
    MapView& view_;
};
