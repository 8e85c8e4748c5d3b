#include "core/draw_track.h"
#include "core/track_title.h"
#include "render_fixture.h"

namespace {

const QRgb Background = qRgb(10, 20, 30);
const QRgb GridBackground = qRgb(40, 50, 60);

class DrawTrackTest : public RenderFixture {
 protected:
  void SetUp() override {
    SavePicture("Playfield.gif", 636, 444, Background);
    SavePicture("PlayfieldGrid.gif", 636, 444, GridBackground);
    form.Database.TrackCount = 1;
    form.Database.Tracks.resize(2);
    TrackRecord& track = form.Database.Tracks[1];
    track.Name = "Fixture";
    track.Blocks.fill(2);  // Grass
    for (int x = 0; x < TrackWidth; ++x)
      track.Blocks[BlockIndex(x, 0)] = track.Blocks[BlockIndex(x, TrackHeight - 1)] = 99;
    for (int y = 0; y < TrackHeight; ++y)
      track.Blocks[BlockIndex(0, y)] = track.Blocks[BlockIndex(TrackWidth - 1, y)] = 99;
    track.Blocks[BlockIndex(1, 1)] = 9;
    track.Blocks[BlockIndex(51, 35)] = 10;
    track.Blocks[BlockIndex(26, 18)] = 33;
    track.Blocks[BlockIndex(2, 30)] = 48;
  }

  // Compares every playable cell of the playfield with the expected code.
  void ExpectCells(const std::function<int(int, int)>& code) {
    const QImage screen = form.picPlayField.Screen().Image();
    for (int x = 1; x <= 51; ++x)
      for (int y = 1; y <= 35; ++y)
        ASSERT_TRUE(ShowsSheetCell(screen, x * 12, y * 12, code(x, y))) << x << "," << y;
  }

  // Pixels of the border ring that are not the given background colour.
  int RingPixelsOtherThan(QRgb colour, bool withTopRow) const {
    const QImage screen = form.picPlayField.Screen().Image();
    int count = 0;
    for (int y = withTopRow ? 0 : 12; y < 444; ++y)
      for (int x = 0; x < 636; ++x) {
        const bool ring = x < 12 || x >= 624 || y < 12 || y >= 432;
        if (ring && screen.pixel(x, y) != colour)
          ++count;
      }
    return count;
  }
};

TEST_F(DrawTrackTest, DrawsEveryCellOnTheBackgroundWithTitle) {
  DrawTrack(form, 1);
  const TrackRecord& track = form.Database.Tracks[1];
  ExpectCells([&](int x, int y) { return track.Blocks[BlockIndex(x, y)]; });
  EXPECT_EQ(RingPixelsOtherThan(Background, false), 0);
  EXPECT_GT(RingPixelsOtherThan(Background, true), 0);  // the title
  // Eight wipe passes, and the picture is kept for repaints.
  EXPECT_EQ(platform.Waits, std::vector<int>(8, 40));
  EXPECT_EQ(form.picPlayField.Kept().Image().copy(0, 0, 636, 444),
            form.picPlayField.Screen().Image().copy(0, 0, 636, 444));
}

TEST_F(DrawTrackTest, LastTrackOfAFullDatabase) {
  form.Database.TrackCount = 100;
  form.Database.Tracks.resize(101, form.Database.Tracks[1]);
  TrackRecord& last = form.Database.Tracks[100];
  last.Blocks[BlockIndex(51, 1)] = 47;
  DrawTrack(form, 100);
  ExpectCells([&](int x, int y) { return last.Blocks[BlockIndex(x, y)]; });
}

TEST_F(DrawTrackTest, BlankRequestIsDirtTitledNoName) {
  DrawTrack(form, BlankTrack);
  ExpectCells([](int, int) { return 0; });

  Surface expected(636, 444, QColor(Background));
  expected.Font = form.picDummy.Font;
  expected.ForeColor = form.picDummy.ForeColor;
  DrawTrackTitle(form, expected, "NoName");
  EXPECT_EQ(form.picPlayField.Screen().Image().copy(0, 0, 636, 12),
            expected.Image().copy(0, 0, 636, 12));
}

TEST_F(DrawTrackTest, GridBackgroundHasNoTitle) {
  form.GridShown = true;
  DrawTrack(form, 1);
  EXPECT_EQ(RingPixelsOtherThan(GridBackground, true), 0);
}

TEST_F(DrawTrackTest, MissingBackgroundLeavesTheRingBlack) {
  QFile::remove(form.PicturePath + "Playfield.gif");
  DrawTrack(form, 1);
  const TrackRecord& track = form.Database.Tracks[1];
  ExpectCells([&](int x, int y) { return track.Blocks[BlockIndex(x, y)]; });
  EXPECT_EQ(RingPixelsOtherThan(qRgb(0, 0, 0), false), 0);
}

}  // namespace
