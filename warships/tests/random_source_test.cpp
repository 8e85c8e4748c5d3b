#include "core/random_source.h"
#include "tests/test_doubles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct DrawCase {
    double r;
    int number;
    int cell;
    int coin;
};

void PrintTo(const DrawCase& draw, std::ostream* out)
{
    *out << "r = " << draw.r;
}

class DrawTest : public testing::TestWithParam<DrawCase> {};

TEST_P(DrawTest, RoundsHalvesToEvenThenTakesCellAndCoin)
{
    const DrawCase& draw = GetParam();
    ScriptedRandom random{draw.r, draw.r, draw.r};
    EXPECT_EQ(DrawNumber(random), draw.number);
    EXPECT_EQ(DrawCell(random), draw.cell);
    EXPECT_EQ(DrawCoin(random), draw.coin);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DrawTest,
                         testing::Values(DrawCase{0.0, 0, 0, 0},
                                         DrawCase{0.0625, 62, 62, 0},       // 62.5 rounds down to even
                                         DrawCase{0.1875, 188, 88, 0},      // 187.5 rounds up to even
                                         DrawCase{0.4999, 500, 0, 0},
                                         DrawCase{0.123, 123, 23, 1},
                                         DrawCase{0.99951171875, 1000, 0, 0})); // 999.51...: N = 1000

TEST(ClockRandomSource, ReseedingTwiceAtOnceStillGivesFreshNumbers)
{
    ClockRandomSource random;
    std::vector<double> values;
    for (int k = 0; k < 200; ++k) {
        random.Reseed();
        values.push_back(random.Next());
    }
    for (double value : values) {
        EXPECT_GE(value, 0.0);
        EXPECT_LT(value, 1.0);
    }
    std::sort(values.begin(), values.end());
    EXPECT_EQ(std::unique(values.begin(), values.end()), values.end());
}

} // namespace
