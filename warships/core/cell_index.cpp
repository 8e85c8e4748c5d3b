#include "core/cell_index.h"

bool IsCell(int cell)
{
    return cell >= 0 && cell < CellCount;
}

int ColumnOf(int cell)
{
    return cell % RowLength;
}

int Neighbour(int cell, Heading heading)
{
    switch (heading) {
    case Heading::Up:
        return cell >= RowLength ? cell - RowLength : -1;
    case Heading::Right:
        return ColumnOf(cell) < RowLength - 1 ? cell + 1 : -1;
    case Heading::Down:
        return cell < CellCount - RowLength ? cell + RowLength : -1;
    case Heading::Left:
        return ColumnOf(cell) > 0 ? cell - 1 : -1;
    }
    return -1;
}
