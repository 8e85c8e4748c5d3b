#include "core/slide_headline.h"
#include "render_fixture.h"

namespace {

class SlideHeadlineTest : public RenderFixture {
 protected:
  void SetUp() override {
    SavePicture("PlayHead.bmp", 636, 36, QColor(0, 0, 200));
    SavePicture("EditorHead.bmp", 636, 36, QColor(0, 200, 0));
  }

  // The headline's top at every wait.
  std::vector<int> SlideAndWatch(std::uint8_t which) {
    std::vector<int> tops;
    platform.OnWait = [&] {
      tops.push_back(form.picHeadline.Top());
      EXPECT_TRUE(form.picHeadline.Visible());
    };
    SlideHeadline(form, which);
    platform.OnWait = nullptr;
    return tops;
  }

  static std::vector<int> Tops(int from, int step) {
    std::vector<int> tops;
    for (int i = 0; i < 46; ++i) tops.push_back(from + i * step);
    return tops;
  }
};

TEST_F(SlideHeadlineTest, PlayHeadlineSlidesInIn46Steps) {
  EXPECT_EQ(SlideAndWatch(PlayHeadline), Tops(-45, 1));
  EXPECT_EQ(platform.Waits, std::vector<int>(46, 12));
  EXPECT_TRUE(form.HeadlineShown[PlayHeadline]);
  EXPECT_FALSE(form.HeadlineShown[EditorHeadline]);
  EXPECT_EQ(form.picHeadline.Rect(), QRect(2, 0, 636, 36));
  EXPECT_EQ(form.HeadlineDC, &form.picHeadline.Dc());
  EXPECT_EQ(form.picHeadline.Screen().Pixel(300, 20), qRgb(0, 0, 200));
}

TEST_F(SlideHeadlineTest, SlidingOutParksTheHeadline) {
  SlideHeadline(form, PlayHeadline);
  platform.Waits.clear();
  EXPECT_EQ(SlideAndWatch(PlayHeadline), Tops(0, -1));
  EXPECT_EQ(platform.Waits, std::vector<int>(46, 12));
  EXPECT_FALSE(form.HeadlineShown[PlayHeadline]);
  EXPECT_FALSE(form.picHeadline.Visible());
  EXPECT_EQ(form.picHeadline.Rect(), QRect(14, 416, 81, 33));
  EXPECT_EQ(form.picHeadline.Screen().Pixel(40, 20), qRgb(0, 0, 0));  // picture cleared
}

TEST_F(SlideHeadlineTest, EditorHeadlineKeepsTheHeadlineContext) {
  SlideHeadline(form, 7);
  EXPECT_TRUE(form.HeadlineShown[EditorHeadline]);
  EXPECT_FALSE(form.HeadlineShown[PlayHeadline]);
  EXPECT_EQ(form.HeadlineDC, nullptr);
  EXPECT_EQ(form.picHeadline.Screen().Pixel(300, 20), qRgb(0, 200, 0));
  SlideHeadline(form, 7);
  EXPECT_FALSE(form.HeadlineShown[EditorHeadline]);
}

}  // namespace
