#pragma once

#include "core/cell_index.h"
#include "core/map_view.h"
#include "core/random_source.h"

#include <deque>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

// Gives the numbers it was handed, in order, and logs draws and reseeds.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values);

    // Queues the draws that give exactly these numbers N (0 to 1000).
    void QueueNumbers(const std::vector<int>& numbers);
    void Reseed() override;
    double Next() override;

    // "R" for a reseed, "D" for a draw.
    std::string Log;

private:
    std::deque<double> values_;
};

// A repeatable stream for many games; reseeding leaves it as it is.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed);
    void Reseed() override;
    double Next() override;

private:
    std::mt19937 engine_;
};

// Remembers what the rules show on a map.
class RecordingView : public MapView {
public:
    void PrintCell(int cell, const CellMark& mark) override;
    void ClearCell(int cell) override;
    void MarkLastShot(int cell) override;
    void Beep() override;

    // The texts the cell shows, oldest first, joined by "|".
    std::string Shown(int cell) const;

    std::vector<std::vector<CellMark>> Cells = std::vector<std::vector<CellMark>>(CellCount);
    // Every cell printed into, in order.
    std::vector<int> Printed;
    // The framed cell of the latest shot; -1 before the first.
    int LastShot = -1;
    int Beeps = 0;
};

// A test name made of the words of a case's description.
std::string CaseName(const std::string& what);

// Flags set at the given cells.
CellFlags FlagsAt(std::initializer_list<int> cells);
