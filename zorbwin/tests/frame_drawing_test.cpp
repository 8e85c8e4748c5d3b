#include "core/frame_drawing.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/blit.h"
#include "core/level_setup.h"
#include "core/play_keys.h"
#include "core/random_generator.h"
#include "core/sprite_bitmap.h"
#include "core/sprite_sheet.h"
#include "core/sprite_ids.h"
#include "play_fixture.h"

namespace {

class FrameDrawingTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    UseMaze(HouseMaze);
    Tick();  // the reset: the actors wait in their places
  }

  // The 20 x 20 square at (x, y) of a surface, bottom-up.
  static QImage Tile(int surface, int x, int y) {
    return surfaces[surface].device.copy(x, WindowSurfaceHeight - y - SpriteSize, SpriteSize,
                                         SpriteSize);
  }

  // The background at (x, y) with the sprite drawn through its mask.
  static QImage Composed(int x, int y, std::int32_t image, std::int32_t mask) {
    QImage tile = Tile(gameSurfaces.backgroundSurface, x, y);
    QImage picture = SpriteBitmap(image);
    QImage cutout = SpriteBitmap(mask);
    for (int row = 0; row < SpriteSize; ++row)
      for (int column = 0; column < SpriteSize; ++column)
        tile.setPixel(column, row,
                      (tile.pixel(column, row) & cutout.pixel(column, row)) |
                          picture.pixel(column, row));
    return tile;
  }
};

TEST_F(FrameDrawingTest, ActorsAreDrawnThroughTheirMasksWhereTheyAre) {
  Actor& player = Player();
  player.oldX = player.x;
  player.oldY = player.y;
  player.x += 4;
  DrawFrame();
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, player.x, player.y),
            Composed(player.x, player.y, SpritePlayer + player.frame, SpritePlayerMask));
  // The strip it left shows the background again.
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device.copy(180, 240, 4, 20),
            surfaces[gameSurfaces.backgroundSurface].device.copy(180, 240, 4, 20));
  const Actor& dot = actorTable[3];
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, dot.x, dot.y),
            Composed(dot.x, dot.y, SpritePowerDot + dot.frame, SpritePowerDotMask));
}

TEST_F(FrameDrawingTest, AnInactiveActorVanishesAtTheNextFrame) {
  DrawFrame();
  const Actor& dot = actorTable[0];
  EXPECT_NE(Tile(gameSurfaces.windowSurface, dot.x, dot.y),
            Tile(gameSurfaces.backgroundSurface, dot.x, dot.y));
  SetActive(actorTable[0], false);
  DrawFrame();
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, dot.x, dot.y),
            Tile(gameSurfaces.backgroundSurface, dot.x, dot.y));
}

TEST_F(FrameDrawingTest, AFrameThatWouldDrawTheSameAgainIsLeftOutUntilSomethingIsDrawnUnderIt) {
  const Actor& dot = actorTable[2];
  DrawFrame();
  const QImage shown = Tile(gameSurfaces.windowSurface, dot.x, dot.y);
  // Composing the frame again would draw on the work surface.
  const std::uint64_t drawings = surfaces[gameSurfaces.workSurface].drawings;
  DrawFrame();
  EXPECT_EQ(surfaces[gameSurfaces.workSurface].drawings, drawings);

  // Drawn over on the window: the next frame mends it.
  DrawSprite(spriteSheet, gameSurfaces.windowSurface, SpriteBlank, dot.x, dot.y, BLIT_COPY);
  DrawFrame();
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, dot.x, dot.y), shown);

  // A new background under the actor shows through its mask.
  DrawSprite(spriteSheet, gameSurfaces.backgroundSurface, SpriteGate, dot.x, dot.y, BLIT_COPY);
  DrawFrame();
  EXPECT_EQ(Tile(gameSurfaces.windowSurface, dot.x, dot.y),
            Composed(dot.x, dot.y, SpritePowerDot + dot.frame, SpritePowerDotMask));
  EXPECT_NE(Tile(gameSurfaces.windowSurface, dot.x, dot.y), shown);
}

// A bot's game on the shipped first level, with a hash of the window's
// picture after every tick; frames drawn in full every time when told to.
std::vector<size_t> BotGamePictures(bool fullFrames) {
  gameState = GameState{};
  gameState.lives = 1000;
  actorTable = StartingActorTable();
  SeedRandom(7);
  EXPECT_EQ(LoadCurrentLevel(-1), 0);
  std::mt19937 bot(11);
  constexpr std::uint8_t keys[] = {DIR_LEFT, DIR_RIGHT, DIR_UP, DIR_DOWN};
  std::vector<size_t> pictures;
  for (int tick = 0; tick < 1200; ++tick) {
    if (bot() % 12 == 0) SteerKey(gameState, keys[bot() % 4]);
    if (fullFrames) gameSurfaces.shownFrame.reset();
    GameTick([](int) {});
    if (gameState.running == 0) LoadCurrentLevel(-1);
    const QImage& shown = surfaces[gameSurfaces.windowSurface].device;
    pictures.push_back(qHashBits(shown.constBits(), shown.sizeInBytes()));
  }
  return pictures;
}

TEST_F(FrameDrawingTest, LeftOutFramesChangeNoPictureOfAWholeGame) {
  ASSERT_TRUE(OpenShippedLevels());
  const std::vector<size_t> full = BotGamePictures(true);
  const std::vector<size_t> skipping = BotGamePictures(false);
  for (size_t tick = 0; tick < full.size(); ++tick)
    ASSERT_EQ(skipping[tick], full[tick]) << "tick " << tick;
}

TEST_F(FrameDrawingTest, NothingIsDrawnWhileTheActorsDoNotRun) {
  QImage before = surfaces[gameSurfaces.windowSurface].device;
  Player().x += 20;
  gameState.running = 0;
  DrawFrame();
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device, before);
}

}  // namespace
