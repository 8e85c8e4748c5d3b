#include "core/home_map.h"

#include "core/ship_placement.h"

HomeMap::HomeMap(MapView& view)
    : view_(view)
{
}

void HomeMap::PlaceFleet(RandomSource& random)
{
    for (int length : FleetLengths)
        PlaceHomeShip(length, random);
}

void HomeMap::PlaceHomeShip(int length, RandomSource& random)
{
    for (int cell : PlaceShip(ShipCells, length, Easy, random))
        view_.PrintCell(cell, ShipMark(length));
}

bool HomeMap::CheckPlr(int cell)
{
    if (!IsCell(cell)) {
        BlockNonexistent = true;
        return false;
    }
    if (!ShipCells[cell]) {
        view_.PrintCell(cell, MissMark());
        view_.MarkLastShot(cell);
        return false;
    }
    HitCells[cell] = true;
    view_.ClearCell(cell);
    view_.PrintCell(cell, HitMark());
    view_.MarkLastShot(cell);
    view_.Beep();
    return true;
}
