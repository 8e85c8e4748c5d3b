#include <gtest/gtest.h>

#include "core/chaser.h"
#include "core/collisions.h"
#include "core/eyes_move.h"
#include "core/frightened_chasers.h"
#include "core/hunt_move.h"
#include "core/sprite_ids.h"
#include "play_fixture.h"

namespace {

class FrightenedChasersTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    UseMaze(HouseMaze);
    StartPlay(DIR_LEFT);
  }

  // Chaser k at (x, y).
  static Actor& PlaceChaser(int k, int x, int y) {
    Actor& chaser = actorTable[FirstChaser + k];
    chaser.x = x;
    chaser.y = y;
    return chaser;
  }

  // The player takes power dot 0 in the bottom-left corner.
  static void TakePowerDot(int dot) {
    Player().x = actorTable[dot].x;
    Player().y = actorTable[dot].y;
    CheckCollisions();
  }

  // The player meets chaser k.
  static void MeetChaser(int k) {
    Player().x = actorTable[FirstChaser + k].x;
    Player().y = actorTable[FirstChaser + k].y;
    CheckCollisions();
  }
};

TEST_F(FrightenedChasersTest, PowerDotFrightensOnlyTheChasersOutsideTheHouse) {
  gameState.level = 3;
  PlaceChaser(0, 140, 200);  // on a "2" cell
  PlaceChaser(1, 160, 200);  // on the "3" cell
  PlaceChaser(2, 100, 300);
  PlaceChaser(3, 180, 240);  // above the gate
  TakePowerDot(0);
  EXPECT_FALSE(IsActive(actorTable[0]));
  EXPECT_EQ(gameState.chaserValue, 200);
  EXPECT_EQ(gameState.frightTimer, 400 - 90);
  for (int k : {0, 1}) {
    EXPECT_EQ(actorTable[FirstChaser + k].image, SpriteChaser + 2 * k);
    EXPECT_EQ(actorTable[FirstChaser + k].move, HuntMove);
  }
  for (int k : {2, 3}) {
    const Actor& chaser = actorTable[FirstChaser + k];
    EXPECT_EQ(chaser.image, SpriteFrightened);
    EXPECT_EQ(chaser.move, FleeMove);
    EXPECT_EQ(chaser.animationCountdown, 0);
    EXPECT_EQ(chaser.steps, 2);  // level 3: 3 div 2 + 1, at most its base
  }
  // A chaser left normal in the house still kills.
  MeetChaser(0);
  EXPECT_EQ(gameState.phase, PHASE_DYING);
}

TEST_F(FrightenedChasersTest, FrightenedTimeAndStepsByLevel) {
  const struct {
    int level, ticks, steps4, steps7;
  } cases[] = {{0, 400, 1, 1}, {4, 280, 3, 2}, {10, 100, 3, 2}, {20, 100, 3, 2}};
  for (const auto& c : cases) {
    gameState.level = c.level;
    for (int k = 0; k < ChaserCount; ++k) {
      ChaserInit(FirstChaser + k);
      PlaceChaser(k, 100, 300);
    }
    FrightenChasers();
    EXPECT_EQ(gameState.frightTimer, c.ticks) << c.level;
    EXPECT_EQ(actorTable[FirstChaser].steps, c.steps4) << c.level;
    EXPECT_EQ(actorTable[FirstChaser + 3].steps, c.steps7) << c.level;
  }
}

TEST_F(FrightenedChasersTest, SecondPowerDotRestartsTheTimeAndTheChaserValue) {
  for (int k = 0; k < ChaserCount; ++k) PlaceChaser(k, 100 + 20 * k, 300);
  TakePowerDot(0);
  MeetChaser(0);
  EXPECT_EQ(gameState.chaserValue, 400);
  gameState.frightTimer = 100;
  CountFrightenedTime();  // chasers 5 to 7 blink
  EXPECT_EQ(actorTable[FirstChaser + 1].image, SpriteBlinking + 2);
  TakePowerDot(1);
  EXPECT_EQ(gameState.chaserValue, 200);
  EXPECT_EQ(gameState.frightTimer, 400);
  EXPECT_EQ(actorTable[FirstChaser].image, SpriteEyes);
  EXPECT_EQ(actorTable[FirstChaser + 1].image, SpriteBlinking + 2);
  EXPECT_EQ(actorTable[FirstChaser + 2].image, SpriteBlinking + 4);
}

TEST_F(FrightenedChasersTest, EatingFourChasersScores3000AndEndsTheFrightenedTime) {
  for (int k = 0; k < ChaserCount; ++k) PlaceChaser(k, 20 + 80 * k, 300);
  TakePowerDot(2);
  int score = gameState.score;
  for (int k = 0; k < ChaserCount; ++k) {
    EXPECT_NE(gameState.frightTimer, -1);
    MeetChaser(k);
    const Actor& eyes = actorTable[FirstChaser + k];
    EXPECT_EQ(eyes.image, SpriteEyes);
    EXPECT_EQ(eyes.mask, SpriteEyesMask);
    EXPECT_EQ(eyes.move, EyesMove);
    EXPECT_EQ(eyes.steps, eyes.baseSteps);
  }
  EXPECT_EQ(gameState.score - score, 200 + 400 + 800 + 1600);
  EXPECT_EQ(gameState.frightTimer, -1);
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  // Eyes are harmless.
  MeetChaser(1);
  EXPECT_EQ(gameState.score - score, 3000);
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
}

TEST_F(FrightenedChasersTest, BlinkingAt100AndHuntingAgainWhenTheTimePassesZero) {
  PlaceChaser(0, 140, 200);  // in the house: stays normal
  for (int k = 1; k < ChaserCount; ++k) PlaceChaser(k, 100, 300);
  TakePowerDot(0);
  actorTable[FirstChaser + 3].frame = 1;
  gameState.frightTimer = 101;
  CountFrightenedTime();
  EXPECT_EQ(actorTable[FirstChaser + 3].image, SpriteFrightened);
  CountFrightenedTime();
  EXPECT_EQ(gameState.frightTimer, 99);
  EXPECT_EQ(actorTable[FirstChaser].image, SpriteChaser);
  for (int k = 1; k < ChaserCount; ++k) {
    const Actor& chaser = actorTable[FirstChaser + k];
    EXPECT_EQ(chaser.image, SpriteBlinking + 2 * k);
    EXPECT_EQ(chaser.frame, 0);
    EXPECT_EQ(chaser.animationCountdown, 20);
    EXPECT_EQ(chaser.steps, 2);
  }
  actorTable[FirstChaser + 2].phase = 9;
  gameState.frightTimer = 0;
  CountFrightenedTime();
  EXPECT_EQ(gameState.frightTimer, -1);
  for (int k = 1; k < ChaserCount; ++k) {
    const Actor& chaser = actorTable[FirstChaser + k];
    EXPECT_EQ(chaser.image, chaser.baseImage);
    EXPECT_EQ(chaser.move, HuntMove);
    EXPECT_EQ(chaser.animationCountdown, 2);
    EXPECT_EQ(chaser.steps, chaser.baseSteps);
  }
  EXPECT_EQ(actorTable[FirstChaser + 2].phase, 9);
}

}  // namespace
