#include "core/computer_player.h"
#include "tests/test_doubles.h"

#include <gtest/gtest.h>

namespace {

// The computer's own fleet in rows 0 to 4, from the left edge.
const std::vector<int> ComputerFleetNumbers{0, 0, 10, 0, 20, 0, 30, 0, 40, 0};

class ComputerTest : public testing::Test {
protected:
    ComputerTest()
    {
        random.QueueNumbers(ComputerFleetNumbers);
        computer = std::make_unique<Class1>(home, random);
        random.Log.clear();
    }

    // The cells of the computer's next shots, in order.
    std::vector<int> Shots(int turns)
    {
        const size_t before = view.Printed.size();
        for (int turn = 0; turn < turns; ++turn)
            computer->StartTurn();
        return {view.Printed.begin() + static_cast<long>(before), view.Printed.end()};
    }

    RecordingView view;
    HomeMap home{view};
    ScriptedRandom random;
    std::unique_ptr<Class1> computer;
};

TEST_F(ComputerTest, PlacesItsFleetWithoutTouchingTheHomeMap)
{
    EXPECT_EQ(computer->ShipCells, FlagsAt({0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 31, 40}));
    EXPECT_EQ(home.ShipCells, CellFlags{});
    EXPECT_TRUE(view.Printed.empty());
}

struct FollowCase {
    const char* what;
    std::vector<int> playerShips;
    std::vector<int> randomCells;
    std::vector<int> expectedShots;
    int expectedHits;
};

void PrintTo(const FollowCase& follow, std::ostream* out)
{
    *out << follow.what;
}

class FollowTest : public ComputerTest, public testing::WithParamInterface<FollowCase> {};

TEST_P(FollowTest, ShootsInTheOrderOfTheFollowing)
{
    const FollowCase& follow = GetParam();
    home.ShipCells = FlagsAt({});
    for (int cell : follow.playerShips)
        home.ShipCells[cell] = true;
    random.QueueNumbers(follow.randomCells);

    EXPECT_EQ(Shots(static_cast<int>(follow.expectedShots.size())), follow.expectedShots) << follow.what;
    EXPECT_EQ(computer->Hits, follow.expectedHits);
    for (int cell : follow.expectedShots) {
        EXPECT_TRUE(computer->ShotCells[cell]);
        EXPECT_EQ(computer->HitCells[cell], home.ShipCells[cell]);
        EXPECT_EQ(view.Shown(cell), home.ShipCells[cell] ? "Hit" : "Miss");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FollowTest,
    testing::Values(
        // Up is skipped in row 0; the line walks back over its hits to the left.
        FollowCase{"hit in row 0 probes right first", {3, 4, 5}, {4}, {4, 5, 6, 3, 2, 13}, 3},
        // Up runs into the edge, turns round and goes on below the first hit.
        FollowCase{"line at the edge turns round", {0, 10, 20, 30}, {20}, {20, 10, 0, 30, 40, 1}, 4},
        // A line runs across two ships lying end to end.
        FollowCase{"line across two ships", {30, 31, 32, 33, 34}, {31}, {31, 21, 32, 33, 34, 35, 30, 20}, 5},
        // The second ship touches the first from below; the revisit scan finds it.
        FollowCase{"touching ship found by the revisit",
                   {33, 34, 35, 44, 54},
                   {34},
                   {34, 24, 35, 36, 33, 32, 23, 43, 44, 45, 54, 64, 25},
                   5},
        // All four sides miss: the last miss gives up, then random search again.
        FollowCase{"lone hit tried on four sides", {55}, {55, 77}, {55, 45, 56, 65, 54, 77}, 1}),
    [](const auto& info) { return CaseName(info.param.what); });

TEST_F(ComputerTest, RevisitMarksHitsWithNoUntriedNeighbourDone)
{
    home.ShipCells = FlagsAt({33, 34, 35, 44, 54});
    random.QueueNumbers({34});
    Shots(13);
    EXPECT_TRUE(computer->DoneCells[33]);
    EXPECT_TRUE(computer->DoneCells[34]);
    EXPECT_FALSE(computer->DoneCells[35]);
    EXPECT_TRUE(computer->RevisitPending);
}

TEST_F(ComputerTest, RandomShotReseedsOnceAndDrawsUntilAFreshCell)
{
    computer->ShotCells[12] = true;
    random.QueueNumbers({12, 112, 1000});
    EXPECT_EQ(Shots(1), std::vector<int>{0});
    EXPECT_EQ(random.Log, "RDDD");
    EXPECT_FALSE(computer->Hunting);
}

TEST_F(ComputerTest, CheckDoneRevealsUnfoundShipsAndClearsAtFifteen)
{
    RecordingView enemyView;
    EnemyMap enemy(enemyView);
    enemy.ShotCells = FlagsAt({0, 1, 2});
    computer->Hits = 14;
    EXPECT_FALSE(computer->CheckDone(enemy));
    EXPECT_TRUE(enemyView.Printed.empty());

    computer->Hits = 15;
    computer->Hunting = true;
    EXPECT_TRUE(computer->CheckDone(enemy));
    EXPECT_EQ(enemyView.Printed, (std::vector<int>{3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 31, 40}));
    EXPECT_EQ(enemyView.Cells[3][0], RevealMark());
    EXPECT_EQ(computer->Hits, 0);
    EXPECT_FALSE(computer->Hunting);
    EXPECT_EQ(computer->ShipCells, CellFlags{});
}

TEST(HomeMap, ShotOutsideTheMapIsRefused)
{
    for (int cell : {-1, 100}) {
        RecordingView view;
        HomeMap home(view);
        home.ShipCells.fill(true);
        EXPECT_FALSE(home.CheckPlr(cell));
        EXPECT_TRUE(home.BlockNonexistent);
        EXPECT_EQ(home.HitCells, CellFlags{});
        EXPECT_TRUE(view.Printed.empty());
    }
}

TEST(HomeMap, HitClearsTheCellAndBeeps)
{
    RecordingView view;
    HomeMap home(view);
    home.ShipCells = FlagsAt({5});
    view.PrintCell(5, ShipMark(3));
    EXPECT_TRUE(home.CheckPlr(5));
    EXPECT_EQ(view.Cells[5], std::vector<CellMark>{HitMark()});
    EXPECT_EQ(view.Beeps, 1);
    EXPECT_TRUE(home.HitCells[5]);
    EXPECT_FALSE(home.CheckPlr(6));
    EXPECT_EQ(view.Cells[6], std::vector<CellMark>{MissMark()});
    EXPECT_EQ(view.Beeps, 1);
}

} // namespace
