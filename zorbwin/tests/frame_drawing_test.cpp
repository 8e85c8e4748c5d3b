#include "core/frame_drawing.h"

#include <gtest/gtest.h>

#include "core/blit.h"
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

TEST_F(FrameDrawingTest, NothingIsDrawnWhileTheActorsDoNotRun) {
  QImage before = surfaces[gameSurfaces.windowSurface].device;
  Player().x += 20;
  gameState.running = 0;
  DrawFrame();
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device, before);
}

}  // namespace
