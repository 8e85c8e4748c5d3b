#include "core/track_title.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

namespace {

class TrackTitleTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "worm_tests";
      static char* argv[] = {name, nullptr};
      new QGuiApplication(argc, argv);
    }
  }

  // Columns of the first and last pixel that differ from the background.
  static std::pair<int, int> InkColumns(const QImage& image, int rows) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != qRgb(0, 0, 0)) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    return {first, last};
  }

  static QImage BlackPlayField() {
    QImage image(636, 444, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
  }
};

TEST_F(TrackTitleTest, FontIsLiberationSansBold) {
  const QFontInfo info(TitleFont());
  EXPECT_EQ(info.family(), "Liberation Sans");
  EXPECT_TRUE(info.bold());
  EXPECT_EQ(info.pixelSize(), 11);
}

TEST_F(TrackTitleTest, LeftEdgeRoundsHalvesToEven) {
  const std::pair<int, int> cases[] = {{100, 268}, {101, 268}, {103, 266}, {636, 0},
                                       {700, -32}, {701, -32}, {703, -34}};
  for (auto [width, left] : cases)
    EXPECT_EQ(TrackTitleLeft(width), left) << width;
}

TEST_F(TrackTitleTest, TitleIsCentredInTheTopRing) {
  QImage image = BlackPlayField();
  DrawTrackTitle(image, "Snake Pit");
  const auto [first, last] = InkColumns(image, 12);
  ASSERT_LE(first, last);
  const int width = QFontMetrics(TitleFont()).horizontalAdvance(TrackTitleText("Snake Pit"));
  EXPECT_NEAR(first, TrackTitleLeft(width), 2);
  EXPECT_NEAR(first + last, 635, 3);  // equal margins on both sides
  // Nothing below the border ring.
  EXPECT_EQ(InkColumns(image.copy(0, 12, 636, 432), 432).second, -1);
}

TEST_F(TrackTitleTest, WideTitleIsCutOnBothSides) {
  const QString name(120, QLatin1Char('W'));
  ASSERT_GT(QFontMetrics(TitleFont()).horizontalAdvance(TrackTitleText(name)), 636);
  QImage image = BlackPlayField();
  DrawTrackTitle(image, name);
  const auto [first, last] = InkColumns(image, 12);
  EXPECT_LE(first, 3);
  EXPECT_GE(last, 632);
}

}  // namespace
