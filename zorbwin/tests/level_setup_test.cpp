#include "core/level_setup.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/level_file.h"
#include "core/sprite_bitmap.h"
#include "core/sprite_ids.h"
#include "core/surface.h"

namespace {

// A level record of one code per row: row r is all rows[r].
QByteArray Record(const std::string& rows) {
  QByteArray packed;
  for (char code : rows) packed.append(char{MazeColumns}).append(code);
  QByteArray length(4, '\0');
  length[0] = static_cast<char>(packed.size());
  return length + packed;
}

class LevelSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateGameSurfaces(-1), 0);
    QByteArray header(LevelHeaderSize, '\0');
    header[LevelCountOffset] = 2;
    QFile file(QDir(folder_.path()).filePath(LevelFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(header + Record("1." + std::string(16, '1') + ".") +
               Record("1 " + std::string(17, '.')));
    file.close();
    gameLevelFile = OpenLevelFile(LevelFileName, {folder_.path()});
    ASSERT_TRUE(gameLevelFile);
    gameState = GameState{};
  }
  void TearDown() override {
    gameLevelFile.reset();
    ReleaseGameSurfaces();
    ClearSurfaces();
    gameState = GameState{};
  }

  // The 20 x 20 square at (x, y) of the window, bottom-up.
  static QImage WindowTile(int x, int y) {
    return surfaces[gameSurfaces.windowSurface].device.copy(x, WindowSurfaceHeight - y - SpriteSize,
                                                            SpriteSize, SpriteSize);
  }

  QTemporaryDir folder_;
};

TEST_F(LevelSetupTest, BuildsTheLevelOnTheWindow) {
  gameState.level = 7;  // record 1, purple wall tile
  gameState.phase = PHASE_PLAYING;
  gameState.requestedDir = DIR_LEFT;
  gameState.bonusTicks = 77;
  ASSERT_EQ(LoadCurrentLevel(-1), 0);
  EXPECT_EQ(gameState.phase, PHASE_RESET);
  EXPECT_EQ(gameState.requestedDir, DIR_NONE);
  EXPECT_EQ(gameState.running, 1);
  EXPECT_EQ(gameState.bonusTicks, 0);
  EXPECT_EQ(gameState.fruitLimit, 650);
  EXPECT_EQ(gameState.dotsLeft, 17 * MazeColumns);
  QImage wall = SpriteBitmap(SpriteWallPurpleRed);
  QImage dot = SpriteBitmap(SpriteDot);
  QImage blank = SpriteBitmap(SpriteBlank);
  EXPECT_EQ(WindowTile(0, 360), wall);    // top-left cell
  EXPECT_EQ(WindowTile(360, 360), wall);  // top-right cell
  EXPECT_EQ(WindowTile(0, 340), blank);   // row 1 is corridor
  EXPECT_EQ(WindowTile(200, 0), dot);     // bottom row
  // Panel frame: wall tiles at its top, bottom and right; blank inside.
  EXPECT_EQ(WindowTile(380, 360), wall);
  EXPECT_EQ(WindowTile(560, 0), wall);
  EXPECT_EQ(WindowTile(560, 180), wall);
  EXPECT_EQ(WindowTile(540, 20), blank);
  // The panel labels are written: the top-left dot of "S" at (416, 70).
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device.pixel(418, 72), 0xFFFFFF00);
}

TEST_F(LevelSetupTest, EachLevelHasItsWallTileAndFruitLimit) {
  const struct {
    int level;
    int wall;
    int fruitLimit;
  } cases[] = {{0, SpriteWallBlue, 1000},        {1, SpriteWallPurpleRed, 950},
               {2, SpriteWallGreen, 900},        {3, SpriteWallPurpleRed, 850},
               {4, SpriteWallYellowBrown, 800},  {5, SpriteWallRedWhite, 750},
               {10, SpriteWallYellowBrown, 500}, {11, SpriteWallRedWhite, 500}};
  for (const auto& c : cases) {
    gameState.level = c.level;
    ASSERT_EQ(LoadCurrentLevel(-1), 0);
    EXPECT_EQ(WindowTile(360, 360), SpriteBitmap(c.wall)) << c.level;
    EXPECT_EQ(gameState.fruitLimit, c.fruitLimit) << c.level;
  }
}

TEST_F(LevelSetupTest, AnUnreadableLevelLeavesEverythingAsItWas) {
  ASSERT_EQ(LoadCurrentLevel(-1), 0);
  QImage before = surfaces[gameSurfaces.windowSurface].device;
  QFile file(gameLevelFile->name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(QByteArray(LevelHeaderSize, '\0') + Record("1111"));
  file.close();
  gameState.level = 1;
  gameState.phase = PHASE_PLAYING;
  gameState.running = 0;
  gameState.bonusTicks = 5;
  EXPECT_EQ(LoadCurrentLevel(-1), 1);
  EXPECT_EQ(gameState.phase, PHASE_PLAYING);
  EXPECT_EQ(gameState.running, 0);
  EXPECT_EQ(gameState.bonusTicks, 5);
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device, before);
  gameLevelFile.reset();
  EXPECT_EQ(LoadCurrentLevel(-1), 1);
}

}  // namespace
