#include "core/new_game.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/level_values.h"
#include "core/settings_store.h"
#include "play_fixture.h"

namespace {

class NewGameTest : public PlayTest {
 protected:
  void PutStartingLevel(const QString& text) {
    QSettings settings(store.FilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("ZORBIX/KDTAB"), text);
  }

  // A game in progress far into its run.
  static void PlayedGame() {
    gameState.level = 7;
    gameState.score = 62340;
    gameState.lives = 1;
    gameState.fruitValue = 5000;
    gameState.extraLife1 = 1;
    gameState.extraLife2 = 1;
  }

  QTemporaryDir folder;
  SettingsStore store{folder.filePath("Velmora/ZORBIX.conf")};
};

TEST_F(NewGameTest, StartsAtTheStoredLevelWithAFreshScoreLivesAndFruit) {
  const struct {
    const char* stored;  // nullptr: nothing stored
    int level;
  } cases[] = {{nullptr, 0}, {"4", 4}, {"12", 0}, {"x", 0}};
  for (const auto& c : cases) {
    if (c.stored != nullptr) PutStartingLevel(QString::fromLatin1(c.stored));
    PlayedGame();
    StartNewGame(store);
    EXPECT_EQ(gameState.level, c.level) << (c.stored ? c.stored : "none");
    EXPECT_EQ(gameState.score, 0);
    EXPECT_EQ(gameState.lives, 3);
    EXPECT_EQ(gameState.fruitValue, 100);
    EXPECT_EQ(gameState.extraLife1, 0);
    EXPECT_EQ(gameState.extraLife2, 0);
  }
}

// The stored starting level brings that level's maze, wall colour and fruit
// limit with it.
TEST_F(NewGameTest, TheStartingLevelIsBuiltWithItsOwnValues) {
  ASSERT_TRUE(OpenShippedLevels());
  ASSERT_GT(gameLevelFile->levelCount, 4);
  std::array<CellCode, MazeCellCount> levelFour{};
  ASSERT_EQ(ReadLevel(*gameLevelFile, levelFour, 4), LevelRead);
  PutStartingLevel(QStringLiteral("4"));
  PlayedGame();
  StartNewGame(store);
  ASSERT_EQ(LoadCurrentLevel(-1), 0);
  EXPECT_EQ(gameMaze.cells, levelFour);
  EXPECT_EQ(CellSprite(gameMaze, CellWall), LevelWallSprite(4));
  EXPECT_EQ(gameState.fruitLimit, 800);
  EXPECT_EQ(gameState.phase, PHASE_RESET);
  EXPECT_EQ(gameState.running, 1);
}

}  // namespace
