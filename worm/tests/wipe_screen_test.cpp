#include "core/wipe_screen.h"
#include "core/sprite_drawing.h"
#include "render_fixture.h"

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

class WipeScreenTest : public RenderFixture {
 protected:
  // The playfield's pixels at every wait.
  std::vector<QImage> WipeAndWatch(bool copy, const QString& screen) {
    std::vector<QImage> seen;
    platform.OnWait = [&] { seen.push_back(PlayFieldDc(form).Image()); };
    WipeScreen(form, copy, screen);
    platform.OnWait = nullptr;
    return seen;
  }
};

TEST_F(WipeScreenTest, PlayScreenComesInEightInterlacedPasses) {
  form.picDummy.Dc().Fill(Qt::white);
  const std::vector<QImage> seen = WipeAndWatch(true, "Play");
  EXPECT_EQ(platform.Waits, std::vector<int>(8, 40));
  ASSERT_EQ(seen.size(), 8u);
  for (int pass = 0; pass < 8; ++pass)
    for (int y = 0; y < 444; ++y) {
      const QRgb expected = y % 8 <= pass ? White : Black;
      ASSERT_EQ(seen[pass].pixel(0, y), expected) << pass << " " << y;
      ASSERT_EQ(seen[pass].pixel(635, y), expected) << pass << " " << y;
      ASSERT_EQ(seen[pass].pixel(636, y), Black) << "only 636 pixels wide";
    }
}

TEST_F(WipeScreenTest, ScreensTakeTheirSourceAndSize) {
  form.picDummy.Dc().Fill(Qt::white);
  form.picMisc.Dc().Fill(Qt::red);
  WipeScreen(form, true, "Main");
  EXPECT_EQ(PlayFieldDc(form).Pixel(639, 479), White);
  WipeScreen(form, true, "Pause");
  EXPECT_EQ(PlayFieldDc(form).Pixel(635, 443), qRgb(255, 0, 0));
  EXPECT_EQ(PlayFieldDc(form).Pixel(639, 0), White);
}

TEST_F(WipeScreenTest, WithoutCopyTheLinesTurnBlack) {
  PlayFieldDc(form).Fill(Qt::white);
  form.picDummy.Dc().Fill(Qt::red);
  WipeScreen(form, false, "Main");
  const QImage screen = PlayFieldDc(form).Image();
  EXPECT_EQ(screen.pixel(0, 0), Black);
  EXPECT_EQ(screen.pixel(639, 479), Black);
  EXPECT_EQ(screen.pixel(320, 237), Black);
}

TEST_F(WipeScreenTest, UnknownScreenOnlyWaits) {
  PlayFieldDc(form).Fill(Qt::white);
  form.picDummy.Dc().Fill(Qt::red);
  const QImage before = PlayFieldDc(form).Image();
  WipeScreen(form, true, "Menu");
  EXPECT_EQ(platform.Waits, std::vector<int>(8, 40));
  EXPECT_EQ(PlayFieldDc(form).Image(), before);
}

}  // namespace
