#include <gtest/gtest.h>

#include <vector>

#include "core/actor_motion.h"
#include "core/fruit.h"
#include "play_fixture.h"

namespace {

// Row 12 is the player's corridor; a side way goes up from column 11 to
// row 9, which runs left to column 7.
const std::vector<std::string> TurnMaze = {
    "1111111111111111111", "1111111111111111111", "1111111111111111111",
    "1111111111111111111", "1111111111111111111", "1111111111111111111",
    "1111111111111111111", "1111111111111111111", "1111111111111111111",
    "1111111.....1111111", "11111111111.1111111", "11111111111.1111111",
    "1........ ........1", "1111111111111111111", "1111111111111111111",
    "1111111111111111111", "1111111111111111111", "1111111111111111111",
    "1111111111111111111",
};

class ActorMovementTest : public PlayTest {};

TEST_F(ActorMovementTest, PlayerStepsOnFourTicksOutOfFive) {
  UseMaze(TurnMaze);
  StartPlay(DIR_LEFT);
  OnlyActive({PlayerIndex});
  std::vector<int> moved;
  for (int tick = 0; tick < 10; ++tick) {
    int before = Player().x;
    Tick();
    moved.push_back(before - Player().x);
  }
  EXPECT_EQ(moved, (std::vector<int>{0, 4, 4, 4, 4, 0, 4, 4, 4, 4}));
}

TEST_F(ActorMovementTest, FruitStepsOnOneTickOutOfThree) {
  UseMaze(TurnMaze);
  Actor& fruit = actorTable[FruitIndex];
  FruitInit(FruitIndex);
  std::vector<int> moved;
  for (int tick = 0; tick < 9; ++tick) {
    int before = fruit.x;
    FruitMove(FruitIndex);
    moved.push_back(fruit.x - before);
  }
  EXPECT_EQ(moved, (std::vector<int>{4, 0, 0, 4, 0, 0, 4, 0, 0}));
  EXPECT_EQ(fruit.frame, 0);
}

TEST_F(ActorMovementTest, RequestedTurnWaitsUntilThePlayerIsInLineAndStopsAtTheWall) {
  UseMaze(TurnMaze);
  StartPlay(DIR_RIGHT);
  OnlyActive({PlayerIndex});
  while (Player().x == 180) Tick();
  gameState.requestedDir = DIR_UP;  // pressed early, at x = 184
  while (Player().dir == DIR_RIGHT) {
    EXPECT_EQ(Player().y, 120);
    Tick();
  }
  EXPECT_EQ(Player().x, 220);  // in line with the side way
  EXPECT_EQ(Player().dir, DIR_UP);
  for (int tick = 0; tick < 30; ++tick) Tick();
  EXPECT_EQ(Player().x, 220);
  EXPECT_EQ(Player().y, 180);
  EXPECT_EQ(Player().dir, DIR_NONE);  // against the wall of row 8
  gameState.requestedDir = DIR_LEFT;
  for (int tick = 0; tick < 5; ++tick) Tick();
  EXPECT_EQ(Player().dir, DIR_LEFT);
  EXPECT_LT(Player().x, 220);
  EXPECT_EQ(Player().y, 180);
}

TEST_F(ActorMovementTest, PlayerKeepsItsWayWhenTheTurnIsWalledAndEatsDotsOnTheirCells) {
  UseMaze(TurnMaze);
  int dots = gameState.dotsLeft;
  StartPlay(DIR_LEFT);
  OnlyActive({PlayerIndex});
  while (Player().x == 180) Tick();
  gameState.requestedDir = DIR_DOWN;  // row 13 is wall everywhere
  while (Player().x > 100) {
    Tick();
    EXPECT_EQ(Player().dir, DIR_LEFT);
    EXPECT_EQ(Player().y, 120);
  }
  // The cells of x = 160, 140, 120 and 100.
  EXPECT_EQ(gameState.dotsLeft, dots - 4);
  EXPECT_EQ(gameState.score, 40);
  EXPECT_EQ(CellAt(gameMaze, 8, 12), CellCorridor);
  EXPECT_EQ(CellAt(gameMaze, 5, 12), CellCorridor);
  EXPECT_EQ(CellAt(gameMaze, 4, 12), CellDot);
}

// A chaser steps without a last test; in a dead end it must not walk into
// the wall or out of the maze.
TEST_F(ActorMovementTest, NoStepIntoAWallEvenFromADeadEnd) {
  UseMaze(TurnMaze);
  Actor& chaser = actorTable[FirstChaser];
  chaser.x = 340;
  chaser.y = 120;  // the right end of row 12
  chaser.dir = DIR_RIGHT;
  TakeStep(chaser);
  EXPECT_EQ(chaser.x, 340);
  chaser.dir = DIR_LEFT;
  TakeStep(chaser);
  EXPECT_EQ(chaser.x, 336);
  Actor& corner = actorTable[0];
  corner.x = 0;
  corner.y = 0;
  corner.dir = DIR_DOWN;
  TakeStep(corner);
  EXPECT_EQ(corner.y, 0);
}

TEST_F(ActorMovementTest, WhileWaitingOnlyTheAnimationsRun) {
  UseMaze(HouseMaze);
  Tick();  // the reset shows every actor's frame 1
  for (const Actor& actor : actorTable) EXPECT_EQ(actor.frame, 1);
  auto before = actorTable;
  std::vector<int> dotFrames;
  for (int tick = 0; tick < 20; ++tick) {
    Tick();
    dotFrames.push_back(actorTable[0].frame);
  }
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
  for (int index = 0; index < ActorCount; ++index) {
    EXPECT_EQ(actorTable[index].x, before[index].x);
    EXPECT_EQ(actorTable[index].y, before[index].y);
  }
  EXPECT_EQ(dotFrames[3], 2);  // every fourth tick
  EXPECT_EQ(dotFrames[7], 0);
  EXPECT_EQ(Player().frame, 3);  // every eighth tick: twice
  EXPECT_EQ(actorTable[FirstChaser].frame, 0);  // after twenty ticks
}

TEST_F(ActorMovementTest, AnimationsAdvanceOnTheirCountdownAndFreezeAtZero) {
  Actor actor;
  actor.animationCountdown = 2;
  std::vector<int> frames;
  for (int call = 0; call < 7; ++call) {
    Animate(actor, {3, 2});
    frames.push_back(actor.frame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 0, 0}));
  actor.animationCountdown = 0;
  for (int call = 0; call < 5; ++call) Animate(actor, {3, 2});
  EXPECT_EQ(actor.frame, 0);
}

}  // namespace
