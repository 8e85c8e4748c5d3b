#include "core/surface.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb Destination = 0xFF0F0F33;
constexpr QRgb Source = 0xFF00FF55;

Surface Filled(int width, int height, QRgb colour) { return Surface(width, height, QColor(colour)); }

// Counts the pixels that differ between two surfaces of one size.
int DifferingPixels(const Surface& a, const Surface& b) {
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) count += a.Pixel(x, y) != b.Pixel(x, y);
  return count;
}

TEST(SurfaceTest, RasterOperationsCombineSourceAndDestination) {
  const struct {
    RasterOp op;
    QRgb expected;
  } cases[] = {{RasterOp::Copy, Source},
               {RasterOp::And, 0xFF000F11},
               {RasterOp::Or, 0xFF0FFF77},
               {RasterOp::Xor, 0xFF0FF066},
               {RasterOp::NotCopy, 0xFFFF00AA},
               {RasterOp::Blackness, 0xFF000000}};
  const Surface source = Filled(4, 4, Source);
  for (const auto& c : cases) {
    Surface target = Filled(4, 4, Destination);
    target.BitBlt(1, 1, 2, 2, source, 0, 0, c.op);
    EXPECT_EQ(target.Pixel(1, 1), c.expected) << static_cast<int>(c.op);
    EXPECT_EQ(target.Pixel(2, 2), c.expected) << static_cast<int>(c.op);
    EXPECT_EQ(target.Pixel(0, 0), Destination) << "outside the rectangle";
    EXPECT_EQ(target.Pixel(3, 3), Destination) << "outside the rectangle";
  }
}

TEST(SurfaceTest, CopiesAreClippedToBothSurfaces) {
  Surface source(12, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) source.FillRect(QRect(x, y, 1, 1), QColor(qRgb(x, y, 7)));

  Surface target = Filled(10, 10, Destination);
  target.BitBlt(-3, -2, 12, 12, source, 0, 0, RasterOp::Copy);  // worm leaving at the left
  EXPECT_EQ(target.Pixel(0, 0), qRgb(3, 2, 7));
  EXPECT_EQ(target.Pixel(8, 9), qRgb(11, 11, 7));
  EXPECT_EQ(target.Pixel(9, 9), Destination) << "beyond the source";

  Surface untouched = Filled(10, 10, Destination);
  untouched.BitBlt(20, 20, 12, 12, source, 0, 0, RasterOp::Copy);
  untouched.BitBlt(0, 0, 5, 5, source, 12, 0, RasterOp::Copy);
  untouched.BitBlt(0, 0, -5, 5, source, 0, 0, RasterOp::Copy);
  EXPECT_EQ(DifferingPixels(untouched, Filled(10, 10, Destination)), 0);
}

TEST(SurfaceTest, OverlappingCopyWithinOneSurfaceMovesThePixels) {
  // Five 13-pixel slots; slots 1..4 move one slot to the left.
  Surface row(65, 1);
  for (int x = 0; x < 65; ++x) row.FillRect(QRect(x, 0, 1, 1), QColor(qRgb(x, 0, 0)));
  row.BitBlt(0, 0, 52, 1, row, 13, 0, RasterOp::Copy);
  for (int x = 0; x < 52; ++x) EXPECT_EQ(row.Pixel(x, 0), qRgb(x + 13, 0, 0)) << x;
  EXPECT_EQ(row.Pixel(60, 0), qRgb(60, 0, 0));
}

TEST(SurfaceTest, XorLineLeavesOutItsEndAndUndoesItself) {
  const Surface blank = Filled(20, 20, Destination);
  Surface surface = blank;
  surface.XorLine(QPoint(2, 5), QPoint(12, 5), QColor(255, 255, 0));
  EXPECT_EQ(surface.Pixel(2, 5), (Destination ^ 0x00FFFF00) | 0xFF000000);
  EXPECT_EQ(surface.Pixel(11, 5), surface.Pixel(2, 5));
  EXPECT_EQ(surface.Pixel(12, 5), Destination) << "end point left out";
  EXPECT_EQ(DifferingPixels(surface, blank), 10);

  // A crossing line of the same colour restores the crossing pixel.
  surface.XorLine(QPoint(3, 1), QPoint(3, 19), QColor(255, 255, 0));
  EXPECT_EQ(DifferingPixels(surface, blank), 10 + 18 - 2);
  surface.XorLine(QPoint(3, 1), QPoint(3, 19), QColor(255, 255, 0));
  surface.XorLine(QPoint(2, 5), QPoint(12, 5), QColor(255, 255, 0));
  EXPECT_EQ(DifferingPixels(surface, blank), 0);

  surface.XorLine(QPoint(0, 0), QPoint(10, 7), Qt::white);  // slanted
  EXPECT_EQ(DifferingPixels(surface, blank), 10);
}

TEST(SurfaceTest, FocusRectangleIsADottedOutlineThatDrawingAgainRemoves) {
  const Surface blank = Filled(30, 30, Destination);
  Surface surface = blank;
  surface.InvertFocusRect(QRect(4, 4, 12, 24));
  // The outline has 2 * (12 + 24) - 4 = 68 pixels; every second is inverted.
  EXPECT_EQ(DifferingPixels(surface, blank), 34);
  EXPECT_EQ(surface.Pixel(4, 4), (~Destination) | 0xFF000000);
  EXPECT_EQ(surface.Pixel(10, 10), Destination) << "inside stays";
  EXPECT_EQ(surface.Pixel(16, 4), Destination) << "right edge exclusive";
  surface.InvertFocusRect(QRect(4, 4, 12, 24));
  EXPECT_EQ(DifferingPixels(surface, blank), 0);
}

TEST(SurfaceTest, TextIsDrawnInsideItsExtentInTheForeColour) {
  Surface surface(200, 40);
  surface.Font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, true);
  surface.ForeColor = Qt::white;
  const QSize extent = surface.TextExtent(QStringLiteral("NoName"));
  EXPECT_GT(extent.width(), 20);
  EXPECT_EQ(extent.height(), surface.TextExtent(QStringLiteral("W")).height());

  surface.TextOut(10, 5, QStringLiteral("NoName"));
  int white = 0;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.Pixel(x, y) == qRgb(0, 0, 0)) continue;
      EXPECT_EQ(surface.Pixel(x, y), qRgb(255, 255, 255)) << "no smoothing";
      EXPECT_TRUE(QRect(QPoint(10, 5), extent).contains(x, y)) << x << "," << y;
      ++white;
    }
  EXPECT_GT(white, 30);

  surface.FontTransparent = false;
  surface.BackColor = Qt::blue;
  surface.TextOut(10, 20, QStringLiteral("NoName"));
  EXPECT_EQ(surface.Pixel(10, 20), qRgb(0, 0, 255)) << "opaque text fills its cell";
}

}  // namespace
