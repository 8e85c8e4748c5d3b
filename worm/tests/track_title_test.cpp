#include "core/track_title.h"
#include "render_fixture.h"

#include <QFontInfo>

namespace {

class TrackTitleTest : public RenderFixture {
 protected:
  // Columns of the first and last pixel in the top rows that are not black.
  static std::pair<int, int> InkColumns(const QImage& image, int top, int rows) {
    int first = image.width();
    int last = -1;
    for (int y = top; y < top + rows; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(0, 0, 0)) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    return {first, last};
  }

  Surface TitleSurface() {
    Surface surface(636, 444);
    surface.Font = TitleFont();
    surface.ForeColor = Qt::white;
    return surface;
  }
};

TEST_F(TrackTitleTest, FontIsLiberationSansBoldOf11Pixels) {
  const QFontInfo info(TitleFont());
  EXPECT_EQ(info.family(), "Liberation Sans");
  EXPECT_TRUE(info.bold());
  EXPECT_EQ(info.pixelSize(), 11);
}

TEST_F(TrackTitleTest, LeftEdgeRoundsHalvesToEven) {
  const std::pair<int, int> cases[] = {{100, 268}, {101, 268}, {103, 266}, {636, 0},
                                       {700, -32}, {701, -32}, {703, -34}};
  for (auto [width, left] : cases) EXPECT_EQ(TrackTitleLeft(width), left) << width;
}

TEST_F(TrackTitleTest, TitleIsCentredInTheTopRing) {
  Surface surface = TitleSurface();
  DrawTrackTitle(form, surface, "Snake Pit");
  EXPECT_EQ(form.lbldummy.Caption(), "> > > Snake Pit < < <");
  const auto [first, last] = InkColumns(surface.Image(), 0, 12);
  ASSERT_LE(first, last);
  EXPECT_NEAR(first, TrackTitleLeft(form.lbldummy.Width), 2);
  EXPECT_NEAR(first + last, 635, 3);  // equal margins on both sides
  EXPECT_EQ(InkColumns(surface.Image(), 12, 432).second, -1);
}

TEST_F(TrackTitleTest, WideTitleIsCutOnBothSides) {
  Surface surface = TitleSurface();
  DrawTrackTitle(form, surface, QString(120, QLatin1Char('W')));
  ASSERT_GT(form.lbldummy.Width, 636);
  const auto [first, last] = InkColumns(surface.Image(), 0, 12);
  EXPECT_LE(first, 3);
  EXPECT_GE(last, 632);
}

}  // namespace
