#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <array>
#include <vector>

#include "core/collisions.h"
#include "core/dot_eating.h"
#include "core/event_codes.h"
#include "core/fruit.h"
#include "core/resource_ids.h"
#include "core/scoring.h"
#include "core/sprite_ids.h"
#include "core/window_slots.h"
#include "play_fixture.h"
#include "qt_application.h"

namespace {

class ScoringTest : public PlayTest {};

TEST_F(ScoringTest, ExtraLivesAboveTenThousandAndFiftyThousandOnceEach) {
  const struct {
    int from, points, lives;
  } cases[] = {{9990, 10, 3}, {10000, 10, 4}, {9000, 41000, 4}, {49990, 20, 4}, {0, 60000, 5}};
  for (const auto& c : cases) {
    gameState.score = c.from;
    gameState.lives = 3;
    gameState.extraLife1 = c.from > 10000;
    gameState.extraLife2 = 0;
    AddScore(c.points);
    CheckExtraLives();
    EXPECT_EQ(gameState.lives, c.lives) << c.from << " + " << c.points;
    CheckExtraLives();
    EXPECT_EQ(gameState.lives, c.lives) << c.from << " + " << c.points;
  }
}

TEST_F(ScoringTest, BestScoresKeepTheirOrderAndEqualScoresGoAbove) {
  gameState.bestScores[0] = 500;
  gameState.bestScores[1] = 300;
  gameState.bestScores[2] = 100;
  gameState.bestLevels[0] = 5;
  gameState.bestLevels[1] = 3;
  gameState.bestLevels[2] = 1;
  RecordBestScore(99, 9);  // below all three
  RecordBestScore(300, 7);
  EXPECT_EQ(std::vector<int>(gameState.bestScores, gameState.bestScores + 3),
            (std::vector<int>{500, 300, 300}));
  EXPECT_EQ(std::vector<int>(gameState.bestLevels, gameState.bestLevels + 3),
            (std::vector<int>{5, 7, 3}));
  RecordBestScore(800, 8);
  EXPECT_EQ(std::vector<int>(gameState.bestScores, gameState.bestScores + 3),
            (std::vector<int>{800, 500, 300}));
  EXPECT_EQ(std::vector<int>(gameState.bestLevels, gameState.bestLevels + 3),
            (std::vector<int>{8, 5, 7}));
}

TEST_F(ScoringTest, GameOverIsRecordedOnceWithTheShownLevel) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  gameState.level = 4;
  gameState.score = 1230;
  gameState.lives = 1;
  gameState.phase = PHASE_DYING;
  Tick();
  EXPECT_EQ(gameState.lives, 0);
  EXPECT_EQ(gameState.phase, PHASE_GAME_OVER);
  EXPECT_EQ(Player().image, SpriteDying + 3);
  Tick();
  EXPECT_EQ(gameState.running, 0);
  EXPECT_EQ(gameState.bestScores[0], 1230);
  EXPECT_EQ(gameState.bestLevels[0], 5);
  Tick();
  EXPECT_EQ(gameState.bestScores[1], 0);
  // A fresh table takes even a game of no points.
  gameState = GameState{};
  gameState.phase = PHASE_GAME_OVER;
  gameState.running = 1;
  Tick();
  EXPECT_EQ(gameState.bestLevels[0], 1);
}

TEST_F(ScoringTest, DeathPutsTheActorsBackAndWaitsForAFreshKey) {
  UseMaze(HouseMaze);
  StartPlay(DIR_RIGHT);  // away from the fruit
  gameState.bonusTicks = 299;
  for (int tick = 0; tick < 2; ++tick) Tick();
  ASSERT_TRUE(IsActive(actorTable[FruitIndex]));
  Player().x = 100;
  actorTable[FirstChaser].x = 100;
  actorTable[FirstChaser].y = Player().y;
  gameState.requestedDir = DIR_UP;
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_DYING);
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_RESET);
  EXPECT_EQ(gameState.lives, 2);
  EXPECT_FALSE(IsActive(actorTable[FruitIndex]));
  Tick();
  EXPECT_EQ(gameState.phase, PHASE_WAITING);
  EXPECT_EQ(gameState.requestedDir, DIR_NONE);
  EXPECT_EQ(Player().x, 180);
  EXPECT_EQ(Player().image, SpritePlayer);
  EXPECT_EQ(actorTable[FirstChaser].x, 184);
  EXPECT_EQ(actorTable[FirstChaser].y, 200);
}

TEST_F(ScoringTest, DeathSequenceShowsFourPicturesAQuarterSecondEach) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  gameState.phase = PHASE_DYING;
  std::vector<std::array<int, 3>> shown;  // image, mask, pause
  GameTick([&shown](int milliseconds) {
    shown.push_back({Player().image, Player().mask, milliseconds});
  });
  const std::vector<std::array<int, 3>> expected = {{SpriteDying, SpriteDyingMask, 250},
                                                    {SpriteDying + 1, SpriteDyingMask + 1, 250},
                                                    {SpriteDying + 2, SpriteDyingMask + 2, 250},
                                                    {SpriteDying + 3, SpriteDyingMask + 3, 250}};
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(Player().frame, 0);
  EXPECT_EQ(gameState.lives, 2);
  EXPECT_EQ(gameState.phase, PHASE_RESET);
}

// The death sequence gives the lock up between its pictures; a new game
// built meanwhile by the window thread ends it.
TEST_F(ScoringTest, NewGameDuringTheDeathSequenceEndsIt) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  gameState.phase = PHASE_DYING;
  int pauses = 0;
  GameTick([&pauses](int milliseconds) {
    EXPECT_EQ(milliseconds, 250);
    ++pauses;
    gameState.lives = 3;
    SetUpLevel();
  });
  EXPECT_EQ(pauses, 1);
  EXPECT_EQ(gameState.lives, 3);
  EXPECT_EQ(gameState.phase, PHASE_RESET);
  EXPECT_EQ(Player().image, SpritePlayer);
}

TEST_F(ScoringTest, FruitComesAt300PlayerStepsAndGoesAtTheFruitLimit) {
  UseMaze(HouseMaze);
  gameState.level = 2;
  StartPlay(DIR_LEFT);
  OnlyActive({PlayerIndex});
  gameState.requestedDir = DIR_NONE;  // the player stands, its steps still count
  Player().dir = DIR_NONE;
  Player().x = 20;  // out of the fruit's way
  gameState.fruitLimit = 310;
  for (int tick = 0; tick < 374; ++tick) Tick();
  EXPECT_EQ(gameState.bonusTicks, 299);
  EXPECT_FALSE(IsActive(actorTable[FruitIndex]));
  Tick();
  const Actor& fruit = actorTable[FruitIndex];
  EXPECT_TRUE(IsActive(fruit));
  EXPECT_EQ(fruit.image, SpriteFruit + 4);
  EXPECT_EQ(fruit.mask, SpriteFruit + 5);
  EXPECT_EQ(fruit.dir, DIR_RIGHT);
  while (gameState.bonusTicks < 310) Tick();
  EXPECT_TRUE(IsActive(fruit));
  for (int tick = 0; tick < 5; ++tick) Tick();
  EXPECT_FALSE(IsActive(fruit));
  EXPECT_EQ(gameState.bonusTicks, 310);
}

TEST_F(ScoringTest, EatenFruitScoresItsValue) {
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  Actor& fruit = actorTable[FruitIndex];
  FruitInit(FruitIndex);
  SetActive(fruit, true);
  gameState.fruitValue = 400;
  Player().x = fruit.x;
  Player().y = fruit.y;
  CheckCollisions();
  EXPECT_FALSE(IsActive(fruit));
  EXPECT_EQ(gameState.score, 400);
}

// Records the game's events posted to the main window.
class PostedEvents : public QObject {
 public:
  bool event(QEvent* event) override {
    codes.push_back(PostedEventCode(event->type()));
    return true;
  }
  std::vector<int> codes;
};

TEST_F(ScoringTest, ClearedMazeCountsTheLevelDoublesTheFruitAndAsksForTheNextLevel) {
  EnsureApplication();
  ClearWindowSlots();
  ASSERT_EQ(RegisterEvents(MAIN_WINDOW_ID, 0, nullptr, 0), 0);
  PostedEvents window;
  windowSlots[FindWindowSlot(MAIN_WINDOW_ID)].window = &window;
  UseMaze(HouseMaze);
  StartPlay(DIR_LEFT);
  const struct {
    int fruitValue, doubled;
  } cases[] = {{100, 200}, {1600, 3200}, {3200, 5000}, {5000, 5000}};
  for (const auto& c : cases) {
    gameState.running = 1;
    gameState.level = 2;
    gameState.dotsLeft = 1;
    gameState.fruitValue = c.fruitValue;
    gameState.frightTimer = 50;
    SetCell(gameMaze, 1, 12, CellDot);
    Player().x = 20;
    Player().y = 120;
    EatDot(Player());
    EXPECT_EQ(gameState.dotsLeft, 0);
    EXPECT_EQ(gameState.level, 3);
    EXPECT_EQ(gameState.running, 0);
    EXPECT_EQ(gameState.frightTimer, -1);
    EXPECT_EQ(gameState.fruitValue, c.doubled);
  }
  QCoreApplication::sendPostedEvents(&window);
  EXPECT_EQ(window.codes, std::vector<int>(4, EV_NEXTLEVEL));
  windowSlots[FindWindowSlot(MAIN_WINDOW_ID)].window = nullptr;
  ClearWindowSlots();
}

}  // namespace
