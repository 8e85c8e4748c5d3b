#include "tests/test_doubles.h"

#include <cctype>
#include <stdexcept>

ScriptedRandom::ScriptedRandom(std::initializer_list<double> values)
    : values_(values)
{
}

void ScriptedRandom::QueueNumbers(const std::vector<int>& numbers)
{
    // A number a little above N / 1000 rounds back to N.
    for (int number : numbers)
        values_.push_back((number + 0.25) / 1000.0);
}

void ScriptedRandom::Reseed()
{
    Log += 'R';
}

double ScriptedRandom::Next()
{
    if (values_.empty())
        throw std::logic_error("the script of random numbers has run out");
    Log += 'D';
    const double value = values_.front();
    values_.pop_front();
    return value;
}

SeededRandom::SeededRandom(unsigned seed)
    : engine_(seed)
{
}

void SeededRandom::Reseed()
{
}

double SeededRandom::Next()
{
    return std::uniform_int_distribution<int>(0, 999'999)(engine_) / 1'000'000.0;
}

void RecordingView::PrintCell(int cell, const CellMark& mark)
{
    Cells.at(cell).push_back(mark);
    Printed.push_back(cell);
}

void RecordingView::ClearCell(int cell)
{
    Cells.at(cell).clear();
}

void RecordingView::MarkLastShot(int cell)
{
    LastShot = cell;
}

void RecordingView::Beep()
{
    ++Beeps;
}

std::string RecordingView::Shown(int cell) const
{
    std::string shown;
    for (const CellMark& mark : Cells.at(cell))
        shown += (shown.empty() ? "" : "|") + mark.Text;
    return shown;
}

CellFlags FlagsAt(std::initializer_list<int> cells)
{
    CellFlags flags{};
    for (int cell : cells)
        flags.at(cell) = true;
    return flags;
}

std::string CaseName(const std::string& what)
{
    std::string name;
    for (char c : what)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}
