#include "core/home_map.h"
#include "core/ship_placement.h"
#include "tests/test_doubles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Fleet = std::vector<std::vector<int>>;

Fleet PlaceFleet(bool noTouch, RandomSource& random)
{
    CellFlags shipCells{};
    Fleet fleet;
    for (int length : FleetLengths)
        fleet.push_back(PlaceShip(shipCells, length, noTouch, random));
    return fleet;
}

bool Adjacent(int a, int b)
{
    return (a / 10 == b / 10 && std::abs(a - b) == 1) || std::abs(a - b) == 10;
}

bool ShipsTouch(const Fleet& fleet)
{
    for (size_t one = 0; one < fleet.size(); ++one)
        for (size_t other = one + 1; other < fleet.size(); ++other)
            for (int a : fleet[one])
                for (int b : fleet[other])
                    if (Adjacent(a, b))
                        return true;
    return false;
}

// Straight, in order, inside the map; vertical ships stay out of row 9 and
// horizontal ones out of column 9, so no ship reaches cell 99.
void ExpectWellFormed(const Fleet& fleet)
{
    CellFlags taken{};
    ASSERT_EQ(fleet.size(), FleetLengths.size());
    for (size_t k = 0; k < fleet.size(); ++k) {
        const std::vector<int>& ship = fleet[k];
        ASSERT_EQ(ship.size(), static_cast<size_t>(FleetLengths[k]));
        const int step = ship.size() > 1 ? ship[1] - ship[0] : 1;
        ASSERT_TRUE(step == 1 || step == 10) << "ship of length " << ship.size();
        for (size_t c = 0; c < ship.size(); ++c) {
            const int cell = ship[c];
            ASSERT_TRUE(IsCell(cell));
            EXPECT_EQ(cell, ship[0] + static_cast<int>(c) * step);
            EXPECT_FALSE(taken[cell]) << "cell " << cell << " taken twice";
            taken[cell] = true;
            if (ship.size() == 1)
                EXPECT_NE(cell, 99) << "single ship in the corner";
            else if (step == 10)
                EXPECT_LT(cell / 10, 9) << "vertical ship in row 9";
            else
                EXPECT_LT(cell % 10, 9) << "horizontal ship in column 9";
        }
    }
    EXPECT_EQ(std::count(taken.begin(), taken.end(), true), FleetCells);
}

TEST(ShipPlacement, ThousandSeededFleetsOfEachKind)
{
    int touchingHardFleets = 0;
    for (unsigned seed = 0; seed < 1000; ++seed) {
        SeededRandom random(seed);
        const Fleet easy = PlaceFleet(true, random);
        ExpectWellFormed(easy);
        EXPECT_FALSE(ShipsTouch(easy)) << "seed " << seed;
        const Fleet hard = PlaceFleet(false, random);
        ExpectWellFormed(hard);
        touchingHardFleets += ShipsTouch(hard);
        if (HasFailure())
            FAIL() << "seed " << seed;
    }
    // Without the rule ships do come to lie side by side.
    EXPECT_GT(touchingHardFleets, 100);
}

struct PlacementCase {
    const char* what;
    std::vector<int> existing;
    bool noTouch;
    int length;
    std::vector<int> numbers; // cell and coin per try
    std::vector<int> expected;
};

void PrintTo(const PlacementCase& rule, std::ostream* out)
{
    *out << rule.what;
}

class PlacementRuleTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementRuleTest, PlacesWhereTheRulesSay)
{
    const PlacementCase& rule = GetParam();
    CellFlags shipCells{};
    for (int cell : rule.existing)
        shipCells[cell] = true;
    ScriptedRandom random;
    random.QueueNumbers(rule.numbers);
    EXPECT_EQ(PlaceShip(shipCells, rule.length, rule.noTouch, random), rule.expected) << rule.what;
    for (int cell : rule.expected)
        EXPECT_TRUE(shipCells[cell]);
    // Every draw of a placement comes straight after a reseed.
    std::string expectedLog;
    for (size_t k = 0; k < rule.numbers.size(); ++k)
        expectedLog += "RD";
    EXPECT_EQ(random.Log, expectedLog);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PlacementRuleTest,
    testing::Values(
        PlacementCase{"long vertical clamped into column 0", {}, false, 5, {85, 1}, {40, 50, 60, 70, 80}},
        PlacementCase{"single vertical clamped into row 8", {}, false, 1, {97, 1}, {80}},
        PlacementCase{"vertical that fits", {}, false, 3, {12, 1}, {12, 22, 32}},
        PlacementCase{"horizontal shifted left", {}, false, 4, {37, 0}, {33, 34, 35, 36}},
        PlacementCase{"single horizontal out of column 9", {}, false, 1, {9, 0}, {8}},
        PlacementCase{"N = 1000 is cell 0", {}, false, 2, {1000, 0}, {0, 1}},
        PlacementCase{"overlap draws again", {42}, false, 3, {40, 0, 70, 0}, {70, 71, 72}},
        PlacementCase{"touching allowed without the rule", {42}, false, 2, {43, 0}, {43, 44}},
        PlacementCase{"touching refused with the rule", {42}, true, 2, {43, 0, 46, 0}, {46, 47}},
        PlacementCase{"corner contact is no touch", {42}, true, 1, {53, 0}, {53}},
        PlacementCase{"row end counts as beside the next row", {19, 29}, true, 2, {30, 0, 60, 0}, {60, 61}}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST(HomeMap, PrintsEachShipsLengthIntoItsCells)
{
    RecordingView view;
    HomeMap home(view);
    home.Easy = true;
    SeededRandom random(7);
    home.PlaceFleet(random);
    std::map<std::string, int> digits;
    for (int cell = 0; cell < CellCount; ++cell) {
        EXPECT_EQ(home.ShipCells[cell], !view.Cells[cell].empty());
        if (home.ShipCells[cell]) {
            EXPECT_EQ(view.Cells[cell].size(), 1u);
            EXPECT_TRUE(view.Cells[cell][0].Bold);
            EXPECT_EQ(view.Cells[cell][0].Color, MarkColor::Blue);
            ++digits[view.Shown(cell)];
        }
    }
    EXPECT_EQ(digits, (std::map<std::string, int>{{"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"5", 5}}));
}

} // namespace
