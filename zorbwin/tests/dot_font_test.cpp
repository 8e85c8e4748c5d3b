#include "core/dot_font.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game_surfaces.h"
#include "core/surface.h"

namespace {

constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Grey = 0xFF808080;
constexpr QRgb Untouched = 0xFF123456;

class DotFontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateGameSurfaces(-1), 0);
    surfaces[gameSurfaces.backgroundSurface].device.fill(Grey);
    surfaces[gameSurfaces.windowSurface].device.fill(Untouched);
  }
  void TearDown() override {
    ReleaseGameSurfaces();
    ClearSurfaces();
  }

  // Centre of the 6 x 6 dot whose top-left corner is (left, top), top-down.
  static QRgb Dot(int left, int top) {
    return surfaces[gameSurfaces.windowSurface].device.pixel(left + 2, top + 2);
  }
};

TEST_F(DotFontTest, GameOverIsDrawnDotByDotAndTheSpaceOnlyAdvances) {
  // Rows from the top; # lit.
  const std::vector<std::vector<std::string>> glyphs = {
      {"##.", "#..", "#.#", "#.#", "###"},  // G
      {"###", "#.#", "###", "#.#", "#.#"},  // A
      {"#.#", "###", "#.#", "#.#", "#.#"},  // M
      {"###", "#..", "###", "#..", "###"},  // E
      {},                                   // space
      {"###", "#.#", "#.#", "#.#", "###"},  // O
      {"#.#", "#.#", "#.#", ".#.", ".#."},  // V
      {"###", "#..", "###", "#..", "###"},  // E
      {"###", "#.#", "###", "##.", "#.#"},  // R
  };
  DrawDotText("GAME OVER", 100, 200);
  for (size_t k = 0; k < glyphs.size(); ++k) {
    int x = 100 + 24 * static_cast<int>(k);
    for (int row = 0; row < 5; ++row) {
      for (int column = 0; column < 3; ++column) {
        int left = x + 6 + 6 * column;
        int top = 200 - 30 + 6 * row;
        QRgb expected = glyphs[k].empty()               ? Untouched
                        : glyphs[k][row][column] == '#' ? Yellow
                                                        : Grey;
        EXPECT_EQ(Dot(left, top), expected) << "char " << k << " row " << row << " col " << column;
      }
    }
  }
  // Nothing is drawn left of the first glyph, below the text or past its end.
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device.pixel(105, 185), Untouched);
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device.pixel(110, 200), Untouched);
  EXPECT_EQ(surfaces[gameSurfaces.windowSurface].device.pixel(100 + 24 * 9 + 8, 185), Untouched);
}

TEST_F(DotFontTest, LookupFindsTheFirstGlyph) {
  ASSERT_TRUE(FindDotGlyph('R'));
  EXPECT_EQ(FindDotGlyph('R')->pattern, 0x7BF5);
  EXPECT_EQ(FindDotGlyph('5')->pattern, FindDotGlyph('S')->pattern);
  for (char missing : {' ', 'B', 'a', '\0'}) EXPECT_FALSE(FindDotGlyph(missing)) << missing;
}

}  // namespace
