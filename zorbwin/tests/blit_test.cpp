#include "core/blit.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/surface.h"

namespace {

class BlitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateOffscreenSurface(4, 4, source_), 0);
    ASSERT_EQ(CreateOffscreenSurface(10, 8, destination_), 0);
  }
  void TearDown() override { ClearSurfaces(); }

  // Pixel (x, y) counted from the bottom-left corner.
  static QRgb& Pixel(int surface, int x, int y) {
    Surface& s = surfaces[surface];
    return reinterpret_cast<QRgb*>(s.device.scanLine(s.height - 1 - y))[x];
  }

  int source_ = -1;
  int destination_ = -1;
};

TEST_F(BlitTest, ModesCombineWithTheDestination) {
  const struct {
    int mode;
    QRgb expected;
  } cases[] = {
      {BLIT_COPY, 0xFF00FF0F}, {BLIT_AND, 0xFF00F00F},        {BLIT_OR, 0xFF0FFF0F},
      {BLIT_XOR, 0xFF0F0F00},  {BLIT_NOT_SOURCE, 0xFFFF00F0}, {0, 0xFF00FF0F},
      {9, 0xFF00FF0F},
  };
  for (const auto& c : cases) {
    Pixel(source_, 1, 2) = 0xFF00FF0F;
    Pixel(destination_, 5, 6) = 0xFF0FF00F;
    ASSERT_EQ(Blit(source_, destination_, 1, 2, 1, 1, 5, 6, c.mode), 0);
    EXPECT_EQ(Pixel(destination_, 5, 6), c.expected) << "mode " << c.mode;
  }
}

TEST_F(BlitTest, PositionsCountFromTheBottomEdge) {
  surfaces[source_].device.fill(0xFFFFFFFF);
  // A 3 x 2 rectangle at (4, 0) covers the two bottom rows, columns 4..6.
  ASSERT_EQ(Blit(source_, destination_, 0, 0, 3, 2, 4, 0, BLIT_COPY), 0);
  const QImage& image = surfaces[destination_].device;
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 10; ++column) {
      bool inside = row >= 6 && column >= 4 && column <= 6;
      EXPECT_EQ(image.pixel(column, row), inside ? 0xFFFFFFFF : 0xFF000000) << column << "," << row;
    }
  }
}

TEST_F(BlitTest, PartsOutsideEitherSurfaceAreLeftOut) {
  surfaces[source_].device.fill(0xFFFFFFFF);
  const struct {
    int sourceX, sourceY, destinationX, destinationY;
    std::vector<std::pair<int, int>> lit;  // bottom-up destination pixels
  } cases[] = {
      {0, 0, 8, 6, {{8, 6}, {9, 6}, {8, 7}, {9, 7}}},
      {-2, -1, 0, 0, {{2, 1}, {3, 1}, {2, 2}, {3, 2}, {2, 3}, {3, 3}}},
      {0, 0, -3, -3, {{0, 0}}},
      {50, 50, 0, 0, {}},
  };
  for (const auto& c : cases) {
    surfaces[destination_].device.fill(0xFF000000);
    ASSERT_EQ(Blit(source_, destination_, c.sourceX, c.sourceY, 4, 4, c.destinationX,
                   c.destinationY, BLIT_COPY),
              0);
    std::vector<std::pair<int, int>> lit;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 10; ++x) {
        if (Pixel(destination_, x, y) == 0xFFFFFFFF) lit.push_back({x, y});
      }
    }
    EXPECT_EQ(lit, c.lit) << c.sourceX << "," << c.sourceY;
  }
}

TEST_F(BlitTest, WindowSurfaceRecordsOnlyThePartsWhosePixelsChanged) {
  int window = -1;
  ASSERT_EQ(CreateWindowSurface(0, 10, 8, window), 0);
  surfaces[source_].device.fill(0xFFFFFFFF);
  const struct {
    const char* what;
    int destination, x, y;
    QRegion expected;  // top-down
  } cases[] = {
      {"new pixels", window, 1, 0, QRect(1, 4, 4, 4)},
      {"the same pixels again", window, 1, 0, QRegion()},
      {"partly new, clipped at the top-right", window, 8, 6, QRect(8, 0, 2, 2)},
      {"an off-screen surface", destination_, 1, 0, QRegion()},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(Blit(source_, c.destination, 0, 0, 4, 4, c.x, c.y, BLIT_COPY), 0);
    EXPECT_EQ(TakeChangedRegion(c.destination), c.expected) << c.what;
  }
  EXPECT_TRUE(TakeChangedRegion(window).isEmpty()) << "taking clears the record";
}

TEST_F(BlitTest, SurfacesNotInUseAreRefused) {
  EXPECT_EQ(Blit(source_, 7, 0, 0, 1, 1, 0, 0, BLIT_COPY), 1);
  EXPECT_EQ(Blit(-1, destination_, 0, 0, 1, 1, 0, 0, BLIT_COPY), 1);
  EXPECT_EQ(ReleaseSurface(source_), 0);
  EXPECT_EQ(ReleaseSurface(source_), 1);
  EXPECT_EQ(Blit(source_, destination_, 0, 0, 1, 1, 0, 0, BLIT_COPY), 1);
}

TEST_F(BlitTest, TheTableHoldsTenSurfaces) {
  int surface = -1;
  for (int i = 2; i < SurfaceSlots; ++i) ASSERT_EQ(CreateOffscreenSurface(2, 2, surface), 0);
  EXPECT_EQ(surface, SurfaceSlots - 1);
  EXPECT_EQ(CreateWindowSurface(0, 2, 2, surface), 3);
  ReleaseSurface(4);
  EXPECT_EQ(CreateWindowSurface(0, 2, 2, surface), 0);
  EXPECT_EQ(surface, 4);
  EXPECT_EQ(surfaces[4].flags, SURFACE_IN_USE | SURFACE_WINDOW);
}

}  // namespace
