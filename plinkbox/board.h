#pragma once

#include <array>
#include <string>

// The 7 x 7 grid, cell index = 7 * row + column, row 0 at the top.
inline constexpr int kColumns = 7;
inline constexpr int kCells = 49;
inline constexpr int kBottomRow = kCells - kColumns;

// One short text per cell: "" empty, "R" red disk, "B" blue disk.
using Board = std::array<std::string, kCells>;

inline const std::string kRedMark = "R";
inline const std::string kBlueMark = "B";

constexpr int ColumnOf(int cell) { return cell % kColumns; }
constexpr int RowOf(int cell) { return cell / kColumns; }
