#include "core/sprite_sheet.h"

#include <gtest/gtest.h>

#include <set>

#include "core/blit.h"
#include "core/game_surfaces.h"
#include "core/sprite_bitmap.h"
#include "core/sprite_ids.h"
#include "core/surface.h"

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

class SpriteSheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateOffscreenSurface(SpriteSheetWidth, SpriteSheetHeight, surface_), 0);
    ASSERT_EQ(StartSpriteSheet(sheet_, surface_), 0);
  }
  void TearDown() override { ClearSurfaces(); }

  int surface_ = -1;
  SpriteSheet sheet_;
};

TEST_F(SpriteSheetTest, TheGameSpritesPackInRowsInListOrder) {
  ASSERT_EQ(LoadSpriteList(sheet_), 0);
  ASSERT_EQ(sheet_.entries.size(), 60u);
  // First row: 16 sprites from the player to the dot.
  EXPECT_EQ(sheet_.entries[0].id, 512);
  EXPECT_EQ(sheet_.entries[15].id, SpriteDot);
  EXPECT_EQ(sheet_.entries[15].x, 300);
  EXPECT_EQ(sheet_.entries[16].x, 0);
  EXPECT_EQ(sheet_.entries[16].y, 20);
  const SpriteEntry* dot = FindSprite(sheet_, SpriteFontDot);
  ASSERT_TRUE(dot);
  EXPECT_EQ((std::vector<int>{dot->x, dot->y, dot->width, dot->height}),
            (std::vector<int>{140, 40, 6, 6}));
  // A sprite that would cross the sheet's right edge starts the next row.
  const SpriteEntry* grapes = FindSprite(sheet_, 568);
  ASSERT_TRUE(grapes);
  EXPECT_EQ(grapes->x, 0);
  EXPECT_EQ(grapes->y, 60);
  std::set<int> ids;
  for (const SpriteEntry& entry : sheet_.entries) {
    EXPECT_LE(entry.x + entry.width, SpriteSheetWidth) << entry.id;
    EXPECT_LE(entry.y + entry.height, SpriteSheetHeight) << entry.id;
    ids.insert(entry.id);
  }
  EXPECT_EQ(ids.size(), 60u);
}

TEST_F(SpriteSheetTest, DrawingCopiesTheSpritesBitmap) {
  ASSERT_EQ(LoadSpriteList(sheet_), 0);
  int target = -1;
  ASSERT_EQ(CreateOffscreenSurface(60, 40, target), 0);
  for (int id : {SpriteFruit + 8, SpriteChaser + 2, SpriteFontDot}) {
    ASSERT_EQ(DrawSprite(sheet_, target, id, 30, 10, BLIT_COPY), 0);
    QImage bitmap = SpriteBitmap(id);
    QImage drawn =
        surfaces[target].device.copy(30, 30 - bitmap.height(), bitmap.width(), bitmap.height());
    EXPECT_EQ(drawn, bitmap) << id;
  }
  EXPECT_EQ(DrawSprite(sheet_, target, 999, 0, 0, BLIT_COPY), 11);
  EXPECT_EQ(CopySpriteRect(sheet_, target, surface_, 999, 0, 0, BLIT_COPY), 11);
}

TEST_F(SpriteSheetTest, AFullSheetRefusesMoreSprites) {
  // 16 sprites of 20 x 20 fill a row, 12 rows the sheet.
  for (int i = 0; i < 16 * 12; ++i) ASSERT_EQ(AddSprite(sheet_, SpriteBlank, 20, 20), 0) << i;
  EXPECT_EQ(AddSprite(sheet_, SpriteBlank, 20, 20), 10);
  EXPECT_EQ(AddSprite(sheet_, SpriteFontDot, 6, 6), 10);

  ASSERT_EQ(StartSpriteSheet(sheet_, surface_), 0);
  for (int i = 0; i < SpriteSheetEntries; ++i) {
    ASSERT_EQ(AddSprite(sheet_, SpriteFontDot, 6, 6), 0) << i;
  }
  EXPECT_EQ(AddSprite(sheet_, SpriteFontDot, 6, 6), 10);
  EXPECT_EQ(sheet_.entries.size(), static_cast<size_t>(SpriteSheetEntries));
}

TEST_F(SpriteSheetTest, AnIdWithoutBitmapIsNotAdded) {
  EXPECT_EQ(AddSprite(sheet_, 600, 20, 20), 12);
  EXPECT_TRUE(sheet_.entries.empty());
  SpriteSheet unstarted;
  EXPECT_EQ(AddSprite(unstarted, SpriteBlank, 20, 20), 1);
}

// Every picture shows in its colours over its mask: where the picture is
// opaque the mask is black, so mask AND then picture OR draw it exactly.
TEST(SpriteBitmapTest, MasksFitTheirPictures) {
  const struct {
    int mask;
    std::vector<int> pictures;
  } cases[] = {
      {SpritePlayerMask, {512, 513, 514, 515}},
      {SpriteChaserMask,
       {520, 521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 531, 532, 533, 534, 535, 536, 537}},
      {SpritePowerDotMask, {540, 541, 542}},
      {SpriteEyesMask, {538, 539}},
      {555, {551}},
      {556, {552}},
      {557, {553}},
      {558, {554}},
      {561, {560}},
      {563, {562}},
      {565, {564}},
      {567, {566}},
      {569, {568}},
      {571, {570}},
  };
  for (const auto& c : cases) {
    QImage mask = SpriteBitmap(c.mask);
    ASSERT_EQ(mask.size(), QSize(20, 20)) << c.mask;
    int opaque = 0;
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        bool covered = false;
        for (int id : c.pictures) covered |= SpriteBitmap(id).pixel(x, y) != Black;
        EXPECT_EQ(mask.pixel(x, y), covered ? Black : White) << c.mask << " at " << x << "," << y;
        opaque += covered;
      }
    }
    EXPECT_GT(opaque, 0) << c.mask;
  }
}

TEST(SpriteBitmapTest, PicturesHaveTheirRoleColours) {
  const QRgb yellow = 0xFFFFFF00, red = 0xFFFF0000, blue = 0xFF0000FF, lime = 0xFF00FF00,
             magenta = 0xFFFF00FF;
  const struct {
    int id;
    int x, y;
    QRgb colour;
  } cases[] = {
      {512, 10, 10, yellow},  {515, 4, 10, yellow}, {544, 9, 9, yellow}, {519, 2, 2, yellow},
      {520, 10, 14, blue},    {521, 10, 14, blue},  {522, 10, 14, red},  {524, 10, 14, lime},
      {526, 10, 14, magenta}, {520, 5, 5, White},   {526, 13, 5, White}, {540, 9, 9, red},
      {542, 3, 9, red},       {545, 10, 10, Black}, {543, 10, 10, blue}, {547, 10, 10, 0xFF008000},
  };
  for (const auto& c : cases) EXPECT_EQ(SpriteBitmap(c.id).pixel(c.x, c.y), c.colour) << c.id;
  // The power dot grows and the fruits all differ.
  EXPECT_EQ(SpriteBitmap(540).pixel(3, 9), Black);
  std::set<QByteArray> fruits;
  for (int id = SpriteFruit; id < SpriteFruit + 12; id += 2) {
    QImage fruit = SpriteBitmap(id);
    fruits.insert(
        QByteArray(reinterpret_cast<const char*>(fruit.constBits()), fruit.sizeInBytes()));
  }
  EXPECT_EQ(fruits.size(), 6u);
}

}  // namespace
