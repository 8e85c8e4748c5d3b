#include "core/ship_placement.h"

#include <algorithm>

namespace {

// The generator is reseeded before every draw of a placement.
int DrawAfterReseed(RandomSource& random, int (*draw)(RandomSource&))
{
    random.Reseed();
    return draw(random);
}

std::vector<int> CandidateCells(int length, RandomSource& random)
{
    int start = DrawAfterReseed(random, DrawCell);
    const bool vertical = DrawAfterReseed(random, DrawCoin) == 1;
    const int step = vertical ? RowLength : 1;
    if (vertical)
        start = std::min(start, 90 - RowLength * length);
    else if (ColumnOf(start) > 9 - length)
        start -= length;

    std::vector<int> cells;
    for (int k = 0; k < length; ++k)
        cells.push_back(start + k * step);
    return cells;
}

bool IsShip(const CellFlags& shipCells, int cell)
{
    return IsCell(cell) && shipCells[cell];
}

// The side test looks at c + 1 and c - 1 across the row ends too (only cells
// 9 and 0 are spared), which keeps ships from touching in any case.
bool TouchesShip(const CellFlags& shipCells, int cell)
{
    return (cell != 9 && IsShip(shipCells, cell + 1))
        || (cell != 0 && IsShip(shipCells, cell - 1))
        || (cell > 9 && IsShip(shipCells, cell - RowLength))
        || (cell < 90 && IsShip(shipCells, cell + RowLength));
}

bool Fits(const CellFlags& shipCells, const std::vector<int>& cells, bool noTouch)
{
    return std::ranges::none_of(cells, [&](int cell) {
        return shipCells[cell] || (noTouch && TouchesShip(shipCells, cell));
    });
}

} // namespace

std::vector<int> PlaceShip(CellFlags& shipCells, int length, bool noTouch, RandomSource& random)
{
    std::vector<int> cells = CandidateCells(length, random);
    while (!Fits(shipCells, cells, noTouch))
        cells = CandidateCells(length, random);
    for (int cell : cells)
        shipCells[cell] = true;
    return cells;
}
