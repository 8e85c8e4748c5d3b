#include "core/battle.h"
#include "tests/test_doubles.h"

#include <gtest/gtest.h>

namespace {

// The player's ships in rows 0 to 4, the computer's in rows 5 to 8.
const std::vector<int> PlayerShips{0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 31, 40};
const std::vector<int> ComputerShips{50, 51, 52, 53, 54, 60, 61, 62, 63, 70, 71, 72, 80, 81, 85};

class BattleTest : public testing::Test {
protected:
    BattleTest()
    {
        random.QueueNumbers({0, 0, 10, 0, 20, 0, 30, 0, 40, 0});     // player
        random.QueueNumbers({50, 0, 60, 0, 70, 0, 80, 0, 85, 0});    // computer
        battle = std::make_unique<Battle>(enemyView, homeView, false, random);
    }

    int ComputerShots() const
    {
        return static_cast<int>(std::count(battle->Computer.ShotCells.begin(), battle->Computer.ShotCells.end(), true));
    }

    RecordingView enemyView;
    RecordingView homeView;
    ScriptedRandom random;
    std::unique_ptr<Battle> battle;
};

TEST_F(BattleTest, PlacesBothFleets)
{
    for (int cell : PlayerShips)
        EXPECT_TRUE(battle->Home.ShipCells[cell]) << cell;
    for (int cell : ComputerShips)
        EXPECT_TRUE(battle->Computer.ShipCells[cell]) << cell;
}

TEST_F(BattleTest, ShotIsMarkedAndAnswered)
{
    random.QueueNumbers({99, 0});
    EXPECT_EQ(battle->PlayRound(50), GameEnd::None);
    EXPECT_EQ(enemyView.Cells[50], std::vector<CellMark>{HitMark()});
    EXPECT_EQ(enemyView.Beeps, 1);
    EXPECT_EQ(battle->Enemy.Hits, 1);
    EXPECT_EQ(homeView.Shown(99), "Miss");
    EXPECT_EQ(homeView.LastShot, 99);

    EXPECT_EQ(battle->PlayRound(55), GameEnd::None);
    EXPECT_EQ(enemyView.Cells[55], std::vector<CellMark>{MissMark()});
    EXPECT_EQ(enemyView.Beeps, 1);
    EXPECT_EQ(battle->Enemy.Hits, 1);
    EXPECT_EQ(homeView.Shown(0), "Hit") << "the ship's digit is cleared away";
    EXPECT_EQ(homeView.LastShot, 0) << "the frame moves with the computer's shot";
    EXPECT_EQ(enemyView.LastShot, -1) << "the player's shots are not framed";
}

TEST_F(BattleTest, RepeatedClickCostsNoTurn)
{
    random.QueueNumbers({99});
    battle->PlayRound(55);
    EXPECT_EQ(ComputerShots(), 1);
    // The script has no numbers left: a second turn would throw.
    EXPECT_EQ(battle->PlayRound(55), GameEnd::None);
    EXPECT_EQ(ComputerShots(), 1);
    EXPECT_EQ(enemyView.Cells[55].size(), 1u);
}

TEST_F(BattleTest, ClickOutsideTheMapIsRefused)
{
    EXPECT_EQ(battle->PlayRound(100), GameEnd::BlockNonexistent);
    EXPECT_EQ(ComputerShots(), 0);
}

TEST_F(BattleTest, FifteenthHitWinsAfterTheComputersAnswer)
{
    // The computer misses every shot, along the bottom rows.
    for (int cell : {90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 86, 87, 88, 89, 79})
        random.QueueNumbers({cell});
    for (size_t k = 0; k + 1 < ComputerShips.size(); ++k)
        ASSERT_EQ(battle->PlayRound(ComputerShips[k]), GameEnd::None);
    EXPECT_EQ(battle->PlayRound(ComputerShips.back()), GameEnd::YouWin);
    EXPECT_EQ(ComputerShots(), 15);
    EXPECT_EQ(battle->Enemy.Hits, 15);
}

TEST_F(BattleTest, BothReachingFifteenInOneRoundLoses)
{
    for (int cell : ComputerShips)
        battle->Enemy.ShotCells[cell] = true;
    battle->Enemy.ShotCells[85] = false;
    battle->Enemy.Hits = 14;
    battle->Computer.Hits = 14;
    random.QueueNumbers({40});

    EXPECT_EQ(battle->PlayRound(85), GameEnd::YouLose);
    EXPECT_EQ(enemyView.Shown(85), "Hit");
    EXPECT_EQ(battle->Enemy.Hits, 15);
}

TEST_F(BattleTest, LossRevealsTheShipsThePlayerMissed)
{
    random.QueueNumbers({99});
    battle->PlayRound(50);
    battle->Computer.Hits = 14;
    battle->Computer.Hunting = false;
    random.QueueNumbers({1});

    EXPECT_EQ(battle->PlayRound(51), GameEnd::YouLose);
    for (int cell : ComputerShips)
        EXPECT_EQ(enemyView.Shown(cell), cell < 52 ? "Hit" : "*") << cell;
    EXPECT_EQ(enemyView.Cells[85][0], RevealMark());
}

} // namespace
