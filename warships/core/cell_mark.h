#pragma once

#include <string>

enum class MarkColor { Black, Red, Blue };

// A text printed centred into a cell of a map.
struct CellMark {
    std::string Text;
    MarkColor Color = MarkColor::Black;
    bool Bold = false;

    bool operator==(const CellMark&) const = default;
};

// A ship cell of the home map at the start: its ship's length.
CellMark ShipMark(int length);
CellMark HitMark();
CellMark MissMark();
// A computer ship cell shown after the player's loss.
CellMark RevealMark();
