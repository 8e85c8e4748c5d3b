#pragma once

#include "core/cell_mark.h"

// What the rules show on one map window.
class MapView {
public:
    virtual ~MapView() = default;
    // Prints the mark over what the cell already shows.
    virtual void PrintCell(int cell, const CellMark& mark) = 0;
    virtual void ClearCell(int cell) = 0;
    // Frames the cell of the latest shot; the frame of the shot before goes.
    virtual void MarkLastShot(int cell) = 0;
    // The system beep.
    virtual void Beep() = 0;
};
