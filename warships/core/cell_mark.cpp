#include "core/cell_mark.h"

CellMark ShipMark(int length)
{
    return {std::to_string(length), MarkColor::Blue, true};
}

CellMark HitMark()
{
    return {"Hit", MarkColor::Red, true};
}

CellMark MissMark()
{
    return {"Miss", MarkColor::Black, false};
}

CellMark RevealMark()
{
    return {"*", MarkColor::Blue, true};
}
