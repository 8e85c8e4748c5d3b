#include "core/sprite_drawing.h"
#include "render_fixture.h"

namespace {

using SpriteDrawingTest = RenderFixture;

TEST_F(SpriteDrawingTest, DrawBlockCopiesTheCellOfItsCode) {
  Surface target(636, 444);
  const struct {
    int x, y, code;
  } cases[] = {{1, 1, 0}, {51, 35, 9}, {20, 10, 33}, {0, 36, 57}, {26, 18, 59}};
  for (const auto& c : cases) {
    DrawBlock(form, target, c.x, c.y, c.code, 12);
    EXPECT_TRUE(ShowsSheetCell(target.Image(), c.x * 12, c.y * 12, c.code)) << c.code;
  }
  // Nothing outside the drawn cells.
  EXPECT_EQ(target.Pixel(13 * 12, 5 * 12), qRgb(0, 0, 0));
}

TEST_F(SpriteDrawingTest, DrawBlockAtScaleOneTakesPixels) {
  Surface headline(636, 45);
  DrawBlock(form, headline, 161, 18, 14, 1);
  EXPECT_TRUE(ShowsSheetCell(headline.Image(), 161, 18, 14));
  EXPECT_EQ(headline.Pixel(160, 18), qRgb(0, 0, 0));
  EXPECT_EQ(headline.Pixel(173, 18), qRgb(0, 0, 0));
}

TEST_F(SpriteDrawingTest, DrawWormPartTakesGroupPartAndDirection) {
  // Ice group (72), body (+8), moving right (3).
  DrawWormPart(form, 5, 7, 72 + 8 + 3);
  EXPECT_TRUE(ShowsSheetCell(PlayFieldDc(form).Image(), 60, 84, 83));
  // The last picture of the sheet: Floor group, tail, left.
  DrawWormPart(form, 51, 35, 264 + 16 + 7);
  EXPECT_TRUE(ShowsSheetCell(PlayFieldDc(form).Image(), 612, 420, 287));
}

TEST_F(SpriteDrawingTest, WormPartOutsideTheFieldDrawsNothing) {
  const QImage before = PlayFieldDc(form).Image();
  DrawWormPart(form, -500, -500, 3);
  DrawWormPart(form, -12, -12, 3);
  EXPECT_EQ(PlayFieldDc(form).Image(), before);
}

}  // namespace
