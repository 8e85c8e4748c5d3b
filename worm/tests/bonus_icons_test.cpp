#include "core/bonus_icons.h"
#include "core/slide_headline.h"
#include "render_fixture.h"

namespace {

class BonusIconsTest : public RenderFixture {
 protected:
  void SetUp() override {
    SavePicture("PlayHead.bmp", 636, 36, QColor(0, 0, 200));
    SlideHeadline(form, PlayHeadline);
    platform.Waits.clear();
  }

  // The pictures in the five slots, -1 for a slot showing none of them.
  std::vector<int> Slots() const {
    std::vector<int> shownSlots;
    const QImage headline = form.HeadlineDC->Image();
    for (int slot = 0; slot < 5; ++slot) {
      int shown = -1;
      for (int code : {5, 52, 53, 54, 55, 56})
        if (ShowsSheetCell(headline, 552 + 13 * slot, 18, code))
          shown = code;
      shownSlots.push_back(shown);
    }
    return shownSlots;
  }

  std::vector<int> SoundsPlayed() const {
    std::vector<int> sounds;
    for (const auto& sound : platform.PlayedSounds) sounds.push_back(sound.Slot);
    return sounds;
  }

  PlayState& row = form.Play;
};

TEST_F(BonusIconsTest, PicturesFillTheSlotsInOrder) {
  for (int code : {52, 53, 54}) AddBonusIcon(form, code);
  EXPECT_EQ(row.BonusIconCount, 3);
  EXPECT_EQ(Slots(), (std::vector<int>{52, 53, 54, -1, -1}));
  EXPECT_TRUE(SoundsPlayed().empty());
}

TEST_F(BonusIconsTest, SixthPictureDropsTheOldest) {
  for (int code : {52, 53, 54, 55, 56}) AddBonusIcon(form, code);
  row.BonusIconTimer = 120;
  AddBonusIcon(form, 54);
  EXPECT_EQ(Slots(), (std::vector<int>{53, 54, 55, 56, 54}));
  EXPECT_EQ(row.BonusIconCount, 5);
  EXPECT_EQ(row.BonusIconTimer, 0);
  EXPECT_EQ(SoundsPlayed(), std::vector<int>{23});
}

TEST_F(BonusIconsTest, DropMovesThePicturesLeftAndEmptiesTheLastSlot) {
  for (int code : {52, 53, 54, 55, 56}) AddBonusIcon(form, code);
  DropBonusIcon(form);
  DropBonusIcon(form);
  EXPECT_EQ(Slots(), (std::vector<int>{54, 55, 56, 5, 5}));
  EXPECT_EQ(row.BonusIconCount, 3);
  EXPECT_EQ(SoundsPlayed(), (std::vector<int>{23, 23}));
  // The next picture goes behind the remaining ones.
  AddBonusIcon(form, 52);
  EXPECT_EQ(Slots(), (std::vector<int>{54, 55, 56, 52, 5}));
}

}  // namespace
