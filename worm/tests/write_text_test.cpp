#include "shell/write_text.h"
#include "render_fixture.h"

namespace {

constexpr QRgb Background = 0xff3060a0;

// Glyph k's own colour at (dx, dy); every third pixel is transparent.
bool Transparent(int dx, int dy) { return (dx + dy) % 3 == 0; }
QRgb GlyphPixel(int k, int dx, int dy) { return qRgb(4 + k * 5, 8 + dx * 10, 8 + dy * 5); }

// A font sheet of 42 glyphs and their masks, each pixel telling its glyph.
QImage MakeFontSheet() {
  QImage sheet(187, 272, QImage::Format_RGB32);
  sheet.fill(Qt::gray);
  for (int k = 0; k < 42; ++k)
    for (int dy = 0; dy < 34; ++dy)
      for (int dx = 0; dx < 17; ++dx) {
        const int x = 17 * (k % 11) + dx, y = 34 * (k / 11) + dy;
        const bool clear = Transparent(dx, dy);
        sheet.setPixel(x, y, clear ? qRgb(0, 0, 0) : GlyphPixel(k, dx, dy));
        sheet.setPixel(x, y + 136, clear ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
      }
  return sheet;
}

class WriteTextTest : public RenderFixture {
 protected:
  WriteTextTest() {
    form.FontCharset = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
    form.picMiscClip.SetPicture(MakeFontSheet());
    target.Fill(QColor::fromRgb(Background));
  }

  // Whether the 17 x 34 cell at (left, top) shows glyph k over the background.
  bool ShowsGlyph(int left, int top, int k) const {
    for (int dy = 0; dy < 34; ++dy)
      for (int dx = 0; dx < 17; ++dx) {
        const QRgb expected = Transparent(dx, dy) ? Background : GlyphPixel(k, dx, dy);
        if (target.Pixel(left + dx, top + dy) != expected) return false;
      }
    return true;
  }

  // Whether the rectangle still shows only the background.
  bool Untouched(const QRect& rect) const {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.left(); x <= rect.right(); ++x)
        if (target.Pixel(x, y) != Background) return false;
    return true;
  }

  Surface target{640, 480};
};

TEST_F(WriteTextTest, CentredTenCharactersAndTheCursorBehindThem) {
  form.picMisc.Move(310, 45, 23, 40);
  WriteText(form, true, target, 0, 100, "ABCDEFGHIJ");
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(ShowsGlyph(220 + 20 * i, 100, i)) << i;
    EXPECT_TRUE(Untouched({237 + 20 * i, 100, 3, 34})) << "the gap after " << i;
  }
  EXPECT_TRUE(Untouched({0, 100, 220, 34}));
  EXPECT_TRUE(Untouched({0, 0, 640, 100}));
  EXPECT_TRUE(Untouched({0, 134, 640, 346}));
  EXPECT_EQ(form.picMisc.Left(), 420);
  EXPECT_EQ(form.picMisc.Top(), 45) << "only the left edge moves";
}

TEST_F(WriteTextTest, EmptyTextMovesTheCursorTo310AndRefreshes) {
  form.picMisc.Move(100, 45, 23, 40);
  form.picPlayField.Screen().Fill(Qt::red);  // drawn on the screen only
  WriteText(form, true, target, 0, 100, "");
  EXPECT_EQ(form.picMisc.Left(), 310);
  EXPECT_EQ(form.picPlayField.Screen().Pixel(5, 5), qRgb(0, 0, 0)) << "repainted from its picture";
  EXPECT_TRUE(Untouched(target.Image().rect()));
}

TEST_F(WriteTextTest, PlacesAndGlyphs) {
  const struct {
    const char* what;
    std::int16_t x;
    QString text;
    std::vector<int> glyphs;  // -1: the slot stays empty
    int firstLeft;
  } cases[] = {
      {"eighteen centred", 0, "ABCDEFGHIJKLMNOPQR",
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 140},
      {"the last letters, the symbols and digits", 70, QString::fromUtf8("ÅÄÖ#%09"),
       {26, 27, 28, 30, 31, 32, 41}, 70},
      {"a character outside the set leaves its slot", 530, "AbC.", {0, -1, 2, -1}, 530},
      {"inside the cursor block", 3, "Z", {25}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    target.Fill(QColor::fromRgb(Background));
    form.picMisc.Move(0, 0, 23, 40);
    WriteText(form, false, target, c.x, 3, c.text);
    for (std::size_t i = 0; i < c.glyphs.size(); ++i) {
      const int left = c.firstLeft + 20 * static_cast<int>(i);
      if (c.glyphs[i] < 0)
        EXPECT_TRUE(Untouched({left, 3, 17, 34})) << i;
      else
        EXPECT_TRUE(ShowsGlyph(left, 3, c.glyphs[i])) << i;
    }
    EXPECT_EQ(form.picMisc.Left(), 0) << "no cursor move";
  }
}

TEST_F(WriteTextTest, ASpaceLetsTheBackgroundShow) {
  // The space's glyph cell: transparent wherever its mask is white.
  QImage sheet = MakeFontSheet();
  for (int dy = 0; dy < 34; ++dy)
    for (int dx = 0; dx < 17; ++dx) {
      sheet.setPixel(17 * 7 + dx, 34 * 2 + dy, qRgb(0, 0, 0));
      sheet.setPixel(17 * 7 + dx, 34 * 2 + 136 + dy, qRgb(255, 255, 255));
    }
  form.picMiscClip.SetPicture(sheet);
  WriteText(form, false, target, 100, 3, " ");
  EXPECT_TRUE(Untouched(target.Image().rect()));
}

}  // namespace
