#include "core/frm_worm.h"
#include "core/picture_box.h"
#include "core/screen_composer.h"
#include "platform/scripted/scripted_platform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;

QImage Picture(int width, int height, QRgb colour) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(colour);
  return picture;
}

TEST(PictureBoxTest, RefreshRepaintsTheScreenFromTheKeptPicture) {
  PictureBox box(0, 0, 20, 10);
  box.SetPicture(Picture(20, 10, Red));
  EXPECT_EQ(box.Screen().Pixel(5, 5), Red);

  box.Dc().FillRect(QRect(0, 0, 4, 4), Green);  // straight to the screen
  EXPECT_EQ(box.Screen().Pixel(1, 1), Green);
  box.Refresh();
  EXPECT_EQ(box.Screen().Pixel(1, 1), Red) << "screen drawing is not kept";

  box.Dc().FillRect(QRect(0, 0, 4, 4), Green);
  box.KeepScreen();
  box.Refresh();
  EXPECT_EQ(box.Screen().Pixel(1, 1), Green) << "kept after KeepScreen";

  box.ClearPicture();
  EXPECT_EQ(box.Screen().Pixel(1, 1), qRgb(0, 0, 0)) << "back colour";
}

TEST(PictureBoxTest, AutoRedrawDrawsIntoTheKeptPicture) {
  PictureBox box(0, 0, 20, 10);
  box.AutoRedraw = true;
  box.Dc().FillRect(QRect(0, 0, 4, 4), Green);
  EXPECT_EQ(box.Screen().Pixel(1, 1), qRgb(0, 0, 0)) << "shown only after a refresh";
  box.Refresh();
  EXPECT_EQ(box.Screen().Pixel(1, 1), Green);
}

TEST(PictureBoxTest, DeviceContextCarriesTheBoxFontAndColours) {
  PictureBox box(0, 0, 20, 10);
  box.ForeColor = Qt::yellow;
  box.Font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, true);
  EXPECT_EQ(box.Dc().ForeColor, QColor(Qt::yellow));
  EXPECT_TRUE(box.Dc().Font.bold());
}

TEST(PictureBoxTest, LoadingAPicture) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Sheet.gif");
  ASSERT_TRUE(Picture(30, 6, Red).save(path, "PNG"));

  PictureBox fixed(0, 0, 20, 10);
  ASSERT_TRUE(fixed.LoadPicture(path));
  EXPECT_EQ(fixed.Width(), 20);
  EXPECT_EQ(fixed.Kept().Width(), 30) << "the whole picture is kept";
  EXPECT_EQ(fixed.Screen().Pixel(19, 5), Red);
  EXPECT_EQ(fixed.Screen().Pixel(19, 8), qRgb(0, 0, 0)) << "below the picture";

  PictureBox sized(0, 0, 20, 10);
  sized.AutoSize = true;
  ASSERT_TRUE(sized.LoadPicture(path));
  EXPECT_EQ(sized.Rect(), QRect(0, 0, 30, 6));

  EXPECT_FALSE(sized.LoadPicture(dir.filePath("Missing.gif")));
  EXPECT_EQ(sized.Screen().Pixel(0, 0), Red) << "a failed load changes nothing";
}

TEST(PictureBoxTest, MovingKeepsTheScreenAndShowingRepaints) {
  PictureBox box(0, 0, 10, 10);
  box.SetPicture(Picture(10, 10, Red));
  box.Move(5, 6, 20, 4);
  EXPECT_EQ(box.Rect(), QRect(5, 6, 20, 4));
  EXPECT_EQ(box.Screen().Pixel(9, 3), Red);
  EXPECT_EQ(box.Screen().Pixel(15, 3), qRgb(0, 0, 0));

  box.SetVisible(false);
  box.Screen().FillRect(QRect(0, 0, 2, 2), Green);
  box.SetVisible(true);
  EXPECT_EQ(box.Screen().Pixel(0, 0), Red) << "shown again from the kept picture";
}

TEST(ScreenComposerTest, ShowsVisibleBoxesWithTheirControlsInOrder) {
  ScriptedPlatform platform;
  frmWorm form(platform);
  form.picPlayField.Move(2, 36, 636, 444);
  form.picPlayField.SetPicture(Picture(636, 444, Red));
  form.picMsgBox.Move(223, 280, 200, 50);
  form.picMsgBox.SetPicture(Picture(200, 50, Green));
  form.picMsgBox.SetVisible(true);
  form.picDummy.SetPicture(Picture(640, 480, Qt::blue));  // off screen
  form.picHeadline.Move(2, 0, 636, 36);
  form.picHeadline.SetVisible(true);
  form.pgbShield.Container = &form.picHeadline;
  form.pgbShield.Left = 208;
  form.pgbShield.Top = 18;
  form.pgbShield.Width = 96;
  form.pgbShield.Height = 12;
  form.pgbShield.Max = 10;
  form.pgbShield.Value = 10;

  const QImage screen = ComposeScreen(form, QSize(640, 480));
  ASSERT_EQ(screen.size(), QSize(640, 480));
  EXPECT_EQ(screen.pixel(0, 479), qRgb(0, 0, 0)) << "around the playfield";
  EXPECT_EQ(screen.pixel(2, 36), Red);
  EXPECT_EQ(screen.pixel(637, 479), Red);
  EXPECT_EQ(screen.pixel(223, 280), Green) << "message above the playfield";
  EXPECT_EQ(screen.pixel(2 + 208 + 48, 24), qRgb(0, 0, 128)) << "full bar";

  form.pgbShield.Value = 0;
  EXPECT_NE(ComposeScreen(form, QSize(640, 480)).pixel(2 + 208 + 48, 24), qRgb(0, 0, 128))
      << "empty bar";

  form.picHeadline.SetVisible(false);
  EXPECT_EQ(ComposeScreen(form, QSize(640, 480)).pixel(2 + 208 + 48, 24), qRgb(0, 0, 0))
      << "controls hide with their box";
}

TEST(ScreenComposerTest, LabelsDrawTheirCaptionInsideTheirRectangle) {
  ScriptedPlatform platform;
  frmWorm form(platform);
  form.picMsgBox.Move(100, 100, 200, 50);
  form.picMsgBox.SetVisible(true);
  form.lblCountDown.Left = 155;
  form.lblCountDown.Top = 10;
  form.lblCountDown.Width = 30;
  form.lblCountDown.Height = 14;
  form.lblCountDown.ForeColor = Qt::white;
  form.lblCountDown.SetCaption(QStringLiteral("10"));
  form.lblCountDown.Visible = true;

  const QImage screen = ComposeScreen(form, QSize(640, 480));
  int lit = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      if (screen.pixel(x, y) == qRgb(0, 0, 0)) continue;
      EXPECT_TRUE(QRect(255, 110, 30, 14).contains(x, y)) << x << "," << y;
      ++lit;
    }
  EXPECT_GT(lit, 10);
}

}  // namespace
