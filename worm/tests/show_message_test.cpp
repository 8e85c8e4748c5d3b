#include "core/sound_bank.h"
#include "shell/show_message.h"
#include "screen_fixture.h"

namespace {

class ShowMessageTest : public ScreenFixture {
 protected:
  // The message box as it was at the first wait or yield.
  struct Seen {
    bool Visible = false;
    QRect Rect;
    QRgb Pixel = 0;
  };
  void WatchBox() {
    platform.OnWait = [this] {
      if (seen_.Rect.isNull())
        seen_ = {form.picMsgBox.Visible(), form.picMsgBox.Rect(),
                 form.picMsgBox.Screen().Pixel(100, 25)};
    };
  }
  Seen seen_;
};

TEST_F(ShowMessageTest, EachMessageWaitsItsTimeAndParksTheBox) {
  struct Case {
    std::uint8_t number;
    std::int16_t x, y;
    std::vector<int> waits;
  };
  const Case cases[] = {
      {MessageLifeLost, 210, 230, {3000}},   {MessageTestEnded, 210, 230, {1500}},
      {MessageGameSaved, 222, 241, {1500}},  {MessageNoDatabase, 223, 280, {1500}},
      {MessageNoSavedGame, 223, 280, {1500}}, {9, 210, 230, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.number));
    platform.Waits.clear();
    seen_ = {};
    WatchBox();
    ShowMessage(form, c.x, c.y, c.number);
    EXPECT_EQ(platform.Waits, c.waits);
    if (!c.waits.empty()) {
      EXPECT_TRUE(seen_.Visible);
      EXPECT_EQ(seen_.Rect, QRect(c.x, c.y, 200, 50));
      EXPECT_EQ(seen_.Pixel, MessageColour);
    }
    EXPECT_FALSE(form.picMsgBox.Visible());
    EXPECT_EQ(form.picMsgBox.Rect(), QRect(13, 380, 81, 33));
    EXPECT_FALSE(form.picPlayField.AutoRedraw);
    EXPECT_EQ(form.PlayFieldDC, &form.picPlayField.Screen());
  }
  EXPECT_TRUE(platform.PlayedSounds.empty());
}

TEST_F(ShowMessageTest, MessagesThreeAndFourWaitForFire) {
  struct Case {
    std::uint8_t number;
    std::int64_t fireFrom;
    std::int64_t returnsAt;
  };
  const Case cases[] = {
      {MessageTrackDone, 0, 0},  // fire still held: at once
      {MessageGameOver, 0, 0},
      {MessageTrackDone, 700, 700},
      {MessageGameOver, 50, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.number));
    ScriptedPlatform scripted;
    frmWorm window(scripted);
    window.PicturePath = form.PicturePath;
    scripted.HoldKey(KeypadKey::Fire, c.fireFrom);
    ShowMessage(window, 210, 230, c.number);
    EXPECT_EQ(scripted.Now, c.returnsAt);
    EXPECT_TRUE(scripted.Waits.empty());
    EXPECT_FALSE(window.picMsgBox.Visible());
  }
}

TEST_F(ShowMessageTest, StartMessageCountsDownFromTenInElevenSeconds) {
  std::vector<QString> shown;
  platform.OnWait = [&] {
    if (shown.empty() || shown.back() != form.lblCountDown.Caption())
      shown.push_back(form.lblCountDown.Caption());
  };
  ShowMessage(form, 210, 230, MessageGetReady);

  EXPECT_EQ(platform.Now, 10 * 80 * 13 + 1000);
  EXPECT_EQ(shown, (std::vector<QString>{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
  std::vector<int> expected(10, SoundPip);
  expected.push_back(SoundSelected);
  EXPECT_EQ(Sounds(), expected);
  EXPECT_EQ(form.lblCountDown.Caption(), "");
  EXPECT_FALSE(form.lblCountDown.Visible);
  EXPECT_EQ(form.lblCountDown.Rect().topLeft(), QPoint(0, 0));
}

TEST_F(ShowMessageTest, FireSkipsTheCountDown) {
  struct Case {
    std::int64_t fireAt;
    std::int64_t endsAt;
    std::vector<int> sounds;
  };
  const Case cases[] = {
      {0, 0, {SoundSelected}},                         // fire at the first moment
      {80 * 13 + 5, 80 * 13 + 13, {SoundPip, SoundSelected}},  // seen at the next pass
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fireAt);
    ScriptedPlatform scripted;
    frmWorm window(scripted);
    window.PicturePath = form.PicturePath;
    scripted.HoldKey(KeypadKey::Fire, c.fireAt);
    ShowMessage(window, 210, 230, MessageGetReady);
    EXPECT_EQ(scripted.Now, c.endsAt);
    EXPECT_EQ(SoundsOf(scripted), c.sounds);
    EXPECT_EQ(window.lblCountDown.Caption(), "");
    EXPECT_FALSE(window.lblCountDown.Visible);
  }
}

}  // namespace
