#include <gtest/gtest.h>

#include <vector>

#include "core/actor_cells.h"
#include "core/chaser.h"
#include "core/chaser_steering.h"
#include "core/eyes_move.h"
#include "core/frightened_chasers.h"
#include "core/hunt_move.h"
#include "core/sprite_ids.h"
#include "play_fixture.h"

namespace {

class ChasersTest : public PlayTest {};

// Every chaser circles the inside of its house (phases 0 to 8), goes up
// through the gate (9), reaches its corner and hunts (10), on every shipped
// maze; the player stands still out of reach.
TEST_F(ChasersTest, ChasersLeaveTheHouseAndReachTheirCornersOnEveryShippedMaze) {
  ASSERT_TRUE(OpenShippedLevels());
  for (int level = 0; level < gameLevelFile->levelCount; ++level) {
    gameState.level = level;
    ASSERT_EQ(LoadCurrentLevel(-1), 0);
    StartPlay(DIR_LEFT);
    SetActive(Player(), false);
    std::vector<int> phases[ChaserCount];
    int exitX[ChaserCount] = {-1, -1, -1, -1};
    for (int tick = 0; tick < 4000; ++tick) {
      Tick();
      for (int k = 0; k < ChaserCount; ++k) {
        const Actor& chaser = actorTable[FirstChaser + k];
        if (phases[k].empty() || phases[k].back() != chaser.phase) {
          phases[k].push_back(chaser.phase);
          if (chaser.phase == PhaseToCorner) exitX[k] = chaser.x;
        }
      }
    }
    for (int k = 0; k < ChaserCount; ++k) {
      EXPECT_EQ(phases[k], (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}))
          << "level " << level << " chaser " << k;
      EXPECT_EQ(exitX[k], HouseDoorX) << "level " << level << " chaser " << k;
    }
  }
}

TEST_F(ChasersTest, LeavingPathTurnsAtTheHouseWalls) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  SetActive(Player(), false);
  Actor& chaser = actorTable[FirstChaser];
  std::vector<std::array<int, 3>> turns;  // phase, x, y where it turned
  int phase = chaser.phase;
  for (int tick = 0; tick < 400 && chaser.phase < PhaseToCorner; ++tick) {
    Tick();
    if (chaser.phase != phase) turns.push_back({chaser.phase, chaser.x, chaser.y});
    phase = chaser.phase;
  }
  // Each turn is followed by its step at once.
  std::vector<std::array<int, 3>> expected = {
      {1, 140, 196}, {2, 144, 160}, {3, 220, 164}, {4, 216, 200}, {5, 140, 196},
      {6, 144, 160}, {7, 220, 164}, {8, 216, 200}, {9, 180, 204},
  };
  EXPECT_EQ(turns, expected);
}

TEST_F(ChasersTest, SteeringRules) {
  UseMaze(HouseMaze);
  Player().x = 20;
  Player().y = 20;
  Player().dir = DIR_UP;
  Actor chaser = actorTable[FirstChaser];
  chaser.x = 100;  // the crossing of column 5 and row 12
  chaser.y = 120;
  const struct {
    void (*steer)(Actor&);
    std::uint8_t from;
    std::uint8_t to;
  } cases[] = {
      {TurnTowardPlayer, DIR_LEFT, DIR_DOWN},  {TurnTowardPlayer, DIR_UP, DIR_LEFT},
      {TurnByPlayerDir, DIR_RIGHT, DIR_UP},    {TurnByPlayerDir, DIR_DOWN, DIR_RIGHT},
      {Pursue, DIR_RIGHT, DIR_DOWN},           {Pursue, DIR_UP, DIR_LEFT},
      {Flee, DIR_LEFT, DIR_UP},                {Flee, DIR_DOWN, DIR_RIGHT},
      {ReturnHome, DIR_LEFT, DIR_UP},          {ReturnHome, DIR_DOWN, DIR_RIGHT},
  };
  for (const auto& c : cases) {
    chaser.dir = c.from;
    c.steer(chaser);
    EXPECT_EQ(chaser.dir, c.to) << int{c.from};
  }
}

// Hunting, heading left: from the crossing of column 5 and row 12 the way
// ahead is free, at the left end of row 12 it is walled.
TEST_F(ChasersTest, EachChaserHuntsByItsOwnRuleAndAllPursueWithinEighty) {
  UseMaze(HouseMaze);
  Player().dir = DIR_DOWN;
  constexpr std::uint32_t Pursues = 2;  // chaser 6's draw is 0 modulo 4
  constexpr std::uint32_t Turns = 1;    // and here 2
  const struct {
    int chaser;
    int x;
    int playerX, playerY;
    std::uint32_t seed;
    std::uint8_t dir;
  } cases[] = {
      {4, 100, 340, 340, Turns, DIR_LEFT},    // keeps its way until walled
      {4, 20, 340, 340, Turns, DIR_UP},       // then toward the player
      {5, 100, 340, 340, Turns, DIR_UP},      // pursues everywhere
      {6, 100, 340, 340, Pursues, DIR_UP},    // one draw in four pursues
      {6, 100, 340, 340, Turns, DIR_LEFT},    // else keeps its way
      {6, 20, 340, 340, Turns, DIR_DOWN},     // and turns as the player heads
      {7, 100, 340, 340, Turns, DIR_LEFT},    // keeps its way until walled
      {7, 20, 340, 340, Turns, DIR_DOWN},     // then as the player heads
      {4, 100, 100, 196, Turns, DIR_UP},      // within 80 pixels: pursues
      {7, 100, 100, 196, Turns, DIR_UP},
      {4, 100, 100, 200, Turns, DIR_LEFT},    // at 80: its own rule
  };
  for (const auto& c : cases) {
    Player().x = c.playerX;
    Player().y = c.playerY;
    Actor& chaser = actorTable[c.chaser];
    chaser.x = c.x;
    chaser.y = 120;
    chaser.dir = DIR_LEFT;
    chaser.phase = PhaseHunting;
    chaser.stepCountdown = 1;  // a stepping tick
    SeedRandom(c.seed);
    HuntMove(c.chaser);
    EXPECT_EQ(chaser.dir, c.dir) << "chaser " << c.chaser << " from x " << c.x << " player at "
                                 << c.playerX << "," << c.playerY;
  }
}

TEST_F(ChasersTest, WalledTurnsGoBackTheOtherWayOrKeepTheWay) {
  UseMaze(HouseMaze);
  Player().x = 20;
  Player().y = 20;
  Actor chaser = actorTable[FirstChaser];
  chaser.x = 60;  // row 12, between the crossings: walls above and below
  chaser.y = 120;
  chaser.dir = DIR_LEFT;
  Pursue(chaser);  // down is walled: keeps its way
  EXPECT_EQ(chaser.dir, DIR_LEFT);
  Flee(chaser);  // up is walled too
  EXPECT_EQ(chaser.dir, DIR_LEFT);
  chaser.x = 20;  // row 6 at column 1: walled ahead, open up and down
  chaser.y = 240;
  Player().y = 300;
  TurnTowardPlayer(chaser);
  EXPECT_EQ(chaser.dir, DIR_UP);
  chaser.dir = DIR_LEFT;
  Flee(chaser);  // away from the player: down
  EXPECT_EQ(chaser.dir, DIR_DOWN);
}

// A chaser that followed the player down into the gate and is frightened
// there finds every way across walled: it waits instead of stepping into
// the wall, then flees up.
TEST_F(ChasersTest, FrightenedInTheGateItNeverStepsIntoTheWall) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  OnlyActive({FirstChaser});
  Player().x = 180;
  Player().y = 300;
  Actor& chaser = actorTable[FirstChaser];
  chaser.x = 180;
  chaser.y = 220;  // on the gate
  chaser.dir = DIR_DOWN;
  chaser.phase = PhaseHunting;
  FrightenChasers();
  ASSERT_EQ(chaser.move, FleeMove);
  while (chaser.y == 220) {
    Tick();
    EXPECT_EQ(chaser.x, 180);
    Actor standing = chaser;
    standing.dir = DIR_NONE;
    ASSERT_FALSE(BlockedAhead(standing, Walls));
  }
  EXPECT_EQ(chaser.y, 224);
}

TEST_F(ChasersTest, EyesFindTheHouseDoorAndStartAgainInside) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  OnlyActive({FirstChaser + 1});
  Actor& chaser = actorTable[FirstChaser + 1];
  chaser.x = 340;
  chaser.y = 20;
  chaser.dir = DIR_LEFT;
  chaser.image = SpriteFrightened;
  EatChaser(FirstChaser + 1);
  int tick = 0;
  while (chaser.move == EyesMove && tick++ < 1000) Tick();
  ASSERT_EQ(chaser.move, EnterHouseMove);
  EXPECT_EQ(chaser.x, HouseDoorX);
  EXPECT_EQ(chaser.y, HouseDoorY);
  EXPECT_EQ(chaser.dir, DIR_DOWN);
  while (chaser.move == EnterHouseMove && tick++ < 1000) {
    Tick();
    EXPECT_EQ(chaser.x, HouseDoorX);
  }
  EXPECT_EQ(chaser.move, HuntMove);
  EXPECT_EQ(chaser.y, 180);
  EXPECT_EQ(chaser.phase, 0);
  EXPECT_EQ(chaser.image, SpriteChaser + 2);
  EXPECT_EQ(chaser.mask, SpriteChaserMask);
  EXPECT_EQ(chaser.dir, DIR_LEFT);
}

}  // namespace
