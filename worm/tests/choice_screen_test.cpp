#include "core/sound_bank.h"
#include "shell/choice_screen.h"
#include "shell/end_screen.h"
#include "screen_fixture.h"

namespace {

class ChoiceScreenTest : public ScreenFixture {};

TEST_F(ChoiceScreenTest, FlashChoiceLightsTheItemFourTimesIn675Ms) {
  ShowFullScreen(form, "MainMenu.jpg", "MainMenuClip.jpg");
  platform.Waits.clear();
  platform.PlayedSounds.clear();
  std::vector<bool> litAtWait;
  platform.OnWait = [&] { litAtWait.push_back(PlayFieldPixel(256, 206) == Lit); };

  FlashChoice(form, ScreenMain, 1, 3);

  EXPECT_EQ(platform.Waits, std::vector<int>(9, 75));
  EXPECT_EQ(TotalWaitMs(), 675);
  EXPECT_EQ(litAtWait, (std::vector<bool>{true, false, true, false, true, false, true, false,
                                          false}));
  EXPECT_EQ(Sounds(), std::vector<int>{SoundSelected});
  EXPECT_EQ(PlayFieldPixel(256, 206), Plain) << "the highlight is gone at the end";
}

TEST_F(ChoiceScreenTest, HighlightCopiesTheItemRectangleFromTheClip) {
  struct Case {
    const QString& screen;
    std::uint8_t item;
    QRect rect;
  };
  const Case cases[] = {
      {ScreenMain, 1, {256, 206, 130, 40}},  {ScreenMain, 2, {450, 291, 82, 39}},
      {ScreenMain, 3, {249, 370, 142, 39}},  {ScreenMain, 4, {112, 288, 89, 42}},
      {ScreenMain, 5, {275, 289, 95, 40}},   {ScreenPause, 1, {103, 164, 135, 135}},
      {ScreenPause, 2, {249, 79, 135, 135}}, {ScreenPause, 3, {402, 162, 135, 135}},
      {ScreenPause, 4, {249, 244, 135, 135}}, {ScreenInfo, 1, {504, 390, 108, 33}},
      {ScreenTheEnd, 1, {511, 442, 120, 29}}, {ScreenHighScore, 1, {507, 444, 124, 31}},
  };
  ShowFullScreen(form, "MainMenu.jpg", "MainMenuClip.jpg");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen.toStdString() + " " + std::to_string(c.item));
    RefreshPlayField(form);
    HighlightItem(form, c.screen, c.item);
    const QRect r = c.rect;
    EXPECT_EQ(PlayFieldPixel(r.left(), r.top()), Lit);
    EXPECT_EQ(PlayFieldPixel(r.right(), r.bottom()), Lit);
    EXPECT_EQ(PlayFieldPixel(r.left() - 1, r.top()), Plain);
    EXPECT_EQ(PlayFieldPixel(r.right() + 1, r.bottom()), Plain);
  }
}

TEST_F(ChoiceScreenTest, PauseItemsComeFromTheirSquaresOfTheClip) {
  // Four squares side by side with a 2-pixel gap; each its own colour.
  QImage clip(636, 444, QImage::Format_RGB32);
  clip.fill(Qt::black);
  for (int square = 0; square < 4; ++square)
    for (int y = 0; y < 135; ++y)
      for (int x = 0; x < 135; ++x) clip.setPixel(137 * square + x, y, qRgb(10 * square, 0, 0));
  form.picMiscClip.SetPicture(clip);
  for (std::uint8_t item = 1; item <= 4; ++item) {
    HighlightItem(form, ScreenPause, item);
    const QPoint corners[] = {{103, 164}, {249, 79}, {402, 162}, {249, 244}};
    const QPoint at = corners[item - 1] + QPoint(134, 134);
    EXPECT_EQ(PlayFieldPixel(at.x(), at.y()), qRgb(10 * (item - 1), 0, 0)) << int(item);
  }
}

TEST_F(ChoiceScreenTest, EndScreenPlaysItsTuneAndEndsOnEitherFire) {
  for (const bool joystick : {false, true}) {
    SCOPED_TRACE(joystick ? "joystick button 1" : "keypad 0");
    ScriptedPlatform scripted;
    frmWorm window(scripted);
    window.PicturePath = form.PicturePath;
    window.SoundPath = "/game/Sound/";
    if (joystick) {
      scripted.AttachJoystick({65535, 65535});
      window.JoyCentreX = window.JoyCentreY = 32768;
      scripted.MoveJoystick(0, {32768, 32768, 0});
      scripted.MoveJoystick(2000, {32768, 32768, 1});
    } else {
      scripted.HoldKey(KeypadKey::Fire, 2000);
    }

    EndScreen(window);

    EXPECT_EQ(scripted.Now, 2000 + 675 + 320) << "fire, the flash, the wipe to black";
    EXPECT_EQ(SoundsOf(scripted), (std::vector<int>{SoundApplaus, SoundPip, SoundSelected}));
    ASSERT_GE(scripted.MidiEvents.size(), 3u);
    EXPECT_EQ(scripted.MidiEvents.front().Argument, "/game/Sound/TheEnd.Mid");
    EXPECT_EQ(scripted.MidiEvents.back().Command, "close") << "the tune stopped";
    EXPECT_FALSE(window.picPlayField.Visible());
    EXPECT_EQ(window.picPlayField.Rect(), QRect(98, 416, 81, 33));
  }
}

TEST_F(ChoiceScreenTest, EndScreenShowsItsPictureWithTheItemLitUntilFire) {
  platform.HoldKey(KeypadKey::Fire, 1000);
  QRgb item = 0, elsewhere = 0;
  platform.OnWait = [&] {
    if (platform.Now == 500) {
      item = PlayFieldPixel(520, 450);
      elsewhere = PlayFieldPixel(100, 100);
    }
  };
  EndScreen(form);
  EXPECT_EQ(item, Lit);
  EXPECT_EQ(elsewhere, Plain);
  EXPECT_EQ(form.picPlayField.Kept().Pixel(100, 100), qRgb(0, 0, 0)) << "cleared at the end";
}

}  // namespace
