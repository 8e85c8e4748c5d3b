#include "shell/status_display.h"
#include "render_fixture.h"

namespace {

// What the seven status controls show.
struct Shown {
  QString Keys[3];
  int Shield;
  QString Lives;
  int Breaks;
  QString Bonus;
  bool operator==(const Shown&) const = default;
};

class StatusDisplayTest : public RenderFixture {
 protected:
  StatusDisplayTest() {
    form.Form_Load(QString());  // places the status items
    values.Keys = {1, 2, 12};
    values.Shield = 10;
    values.Lives = 3;
    values.Breaks = 0;
    values.HiddenBonusLeft = 50;
    form.Play = values;
  }

  Shown Now() const {
    return {{form.lblKey[1].Caption(), form.lblKey[2].Caption(), form.lblKey[3].Caption()},
            form.pgbShield.Value,
            form.lblLives.Caption(),
            form.pgbBreak.Value,
            form.lblBonus.Caption()};
  }

  std::vector<bool> Visibility() const {
    return {form.lblKey[1].Visible, form.lblKey[2].Visible, form.lblKey[3].Visible,
            form.lblLives.Visible,  form.lblBonus.Visible,  form.pgbShield.Visible,
            form.pgbBreak.Visible};
  }

  // Shows the given resources' item.
  void Update(const PlayState& resources, std::uint8_t item) {
    form.Play = resources;
    form.UpdateStatus(item);
  }

  PlayState values;
};

TEST_F(StatusDisplayTest, ItemsStandInTheHeadlineStartingAtZero) {
  EXPECT_EQ(Now(), (Shown{{"0", "0", "0"}, 0, "0", 0, "0"}));
  // Hidden until play shows them, so the editor's headline stays clear.
  EXPECT_EQ(Visibility(), std::vector<bool>(7, false));
  const std::pair<QRect, int> places[] = {
      {form.lblKey[1].Rect(), 326}, {form.lblKey[2].Rect(), 361}, {form.lblKey[3].Rect(), 396},
      {form.lblLives.Rect(), 125},  {form.pgbShield.Rect(), 208}, {form.pgbBreak.Rect(), 430},
      {form.lblBonus.Rect(), 532}};
  for (const auto& [rect, left] : places) {
    EXPECT_EQ(rect.left(), left);
    EXPECT_EQ(rect.top(), 18);
  }
  EXPECT_EQ(form.pgbShield.Max, 10);
  EXPECT_EQ(form.pgbBreak.Max, 10);
}

TEST_F(StatusDisplayTest, EachItemUpdatesItsOwnControl) {
  const Shown zero{{"0", "0", "0"}, 0, "0", 0, "0"};
  const struct {
    std::uint8_t item;
    Shown expected;
  } cases[] = {
      {0, zero},
      {1, {{"1", "0", "0"}, 0, "0", 0, "0"}},
      {2, {{"0", "2", "0"}, 0, "0", 0, "0"}},
      {3, {{"0", "0", "12"}, 0, "0", 0, "0"}},
      {4, {{"0", "0", "0"}, 10, "0", 0, "0"}},
      {5, {{"0", "0", "0"}, 0, "3", 0, "0"}},
      {7, {{"0", "0", "0"}, 0, "0", 0, "50"}},
      {8, zero},
      {255, zero},
  };
  for (const auto& c : cases) {
    for (std::uint8_t item = 1; item <= 7; ++item) Update(PlayState{}, item);
    Update(values, c.item);
    EXPECT_EQ(Now(), c.expected) << int(c.item);
  }
  values.Breaks = 7;
  Update(values, 6);
  EXPECT_EQ(form.pgbBreak.Value, 7);
}

TEST_F(StatusDisplayTest, HiddenItemsStillTakeNewValues) {
  form.Display(0);
  EXPECT_EQ(Visibility(), std::vector<bool>(7, false));
  for (std::uint8_t item = 1; item <= 7; ++item) form.UpdateStatus(item);
  EXPECT_EQ(Visibility(), std::vector<bool>(7, false));
  form.Display(-1);
  EXPECT_EQ(Visibility(), std::vector<bool>(7, true));
  EXPECT_EQ(Now(), (Shown{{"1", "2", "12"}, 10, "3", 0, "50"}));
}

}  // namespace
