#include "platform/scripted/scripted_platform.h"

#include "core/frm_worm.h"
#include "core/timer.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptedPlatformTest, InputFollowsTheSimulatedClock) {
  ScriptedPlatform platform;
  platform.HoldKey(KeypadKey::Fire, 24, 48);
  platform.AttachJoystick({65535, 65535});
  platform.MoveJoystick(12, {0, 32768, 1});

  JoystickPosition position;
  ASSERT_TRUE(platform.ReadJoystick(position));
  EXPECT_EQ(position.X, 0) << "no move yet: all zero";
  EXPECT_EQ(position.Buttons, 0u);
  EXPECT_FALSE(platform.KeypadHeld(KeypadKey::Fire));

  platform.WaitFor(24);
  EXPECT_TRUE(platform.KeypadHeld(KeypadKey::Fire));
  ASSERT_TRUE(platform.ReadJoystick(position));
  EXPECT_EQ(position.Y, 32768);
  EXPECT_EQ(position.Buttons, 1u);

  platform.WaitFor(24);
  EXPECT_FALSE(platform.KeypadHeld(KeypadKey::Fire)) << "released at 48";

  ScriptedPlatform unplugged;
  EXPECT_FALSE(unplugged.ReadJoystick(position));
}

TEST(ScriptedPlatformTest, MidiPlayerModes) {
  ScriptedPlatform platform;
  platform.MidiTuneLength = 1000;
  EXPECT_EQ(platform.MidiMode(), MidiModeNotOpen);
  platform.MidiFileName("/Sound/Main.Mid");
  platform.MidiCommand("Open");
  EXPECT_EQ(platform.MidiMode(), MidiModeStopped);
  platform.MidiCommand("Play");
  EXPECT_EQ(platform.MidiMode(), MidiModePlaying);

  platform.WaitFor(400);
  platform.MidiCommand("Pause");
  EXPECT_EQ(platform.MidiMode(), MidiModePaused);
  platform.WaitFor(5000);
  platform.MidiCommand("Pause");
  EXPECT_EQ(platform.MidiMode(), MidiModePlaying) << "a second pause goes on";
  platform.WaitFor(599);
  EXPECT_EQ(platform.MidiMode(), MidiModePlaying);
  platform.WaitFor(1);
  EXPECT_EQ(platform.MidiMode(), MidiModeStopped) << "the tune has played to its end";

  platform.MidiCommand("Stop");
  platform.MidiCommand("close");
  EXPECT_EQ(platform.MidiMode(), MidiModeNotOpen);
  ASSERT_EQ(platform.MidiEvents.size(), 7u);
  EXPECT_EQ(platform.MidiEvents[0].Argument, "/Sound/Main.Mid");
  EXPECT_EQ(platform.MidiEvents[6].Command, "close");
  EXPECT_EQ(platform.MidiEvents[6].At, 6000);
}

TEST(ScriptedPlatformTest, QuestionsAreRecordedAndAnsweredFromTheScript) {
  ScriptedPlatform platform;
  platform.AnswerMessage(MessageAnswer::No);
  platform.AnswerFileDialog(QStringLiteral("/tracks/New.wdb"));
  platform.AnswerInput(QStringLiteral("Canyon"));

  EXPECT_EQ(platform.MessageBox("Quit?", "Quit Editor", MessageButtons::YesNo,
                                MessageIcon::Question),
            MessageAnswer::No);
  EXPECT_EQ(platform.MessageBox("Saved.", "Save", MessageButtons::Ok, MessageIcon::Exclamation),
            MessageAnswer::Ok)
      << "unscripted: the first button";
  EXPECT_EQ(platform.SaveFileDialog("Vora Database  (wdb)|*.wdb", "NoName"), "/tracks/New.wdb");
  EXPECT_EQ(platform.OpenFileDialog("Vora Database  (wdb)|*.wdb", "NoName"), std::nullopt)
      << "unscripted: cancelled";
  EXPECT_EQ(platform.InputBox("Type New Name", "Change Name", "NoName"), "Canyon");
  EXPECT_EQ(platform.InputBox("Type New Name", "Change Name", "Canyon"), std::nullopt);

  ASSERT_EQ(platform.Questions.size(), 6u);
  EXPECT_EQ(platform.Questions[0].Caption, "Quit Editor");
  EXPECT_EQ(platform.Questions[0].Buttons, MessageButtons::YesNo);
  EXPECT_EQ(platform.Questions[3].Kind, ScriptedPlatform::QuestionKind::OpenFile);
  EXPECT_EQ(platform.Questions[5].Default, "Canyon");
}

TEST(ScriptedPlatformTest, ScheduledInputArrivesAtItsMomentsAmongTheTimers) {
  ScriptedPlatform platform;
  frmWorm form(platform);
  platform.AttachForm(form);
  std::vector<QString> seen;
  form.Form_KeyDown = [&](int code, int shift) {
    seen.push_back(QStringLiteral("key %1 %2 at %3").arg(code).arg(shift).arg(platform.Now));
  };
  form.picPlayField_MouseDown = [&](int button, int, int x, int y) {
    seen.push_back(QStringLiteral("down %1 %2,%3 at %4").arg(button).arg(x).arg(y).arg(platform.Now));
  };
  form.picPlayField_MouseUp = [&](int button, int, int x, int y) {
    seen.push_back(QStringLiteral("up %1 %2,%3 at %4").arg(button).arg(x).arg(y).arg(platform.Now));
  };
  Timer timer(platform);
  timer.OnTimer = [&] { seen.push_back(QStringLiteral("timer at %1").arg(platform.Now)); };
  timer.SetInterval(250);
  timer.SetEnabled(true);
  platform.ScheduleMouse(300, ScriptedPlatform::MouseAction::Up, 1, 40, 50);
  platform.ScheduleMouse(100, ScriptedPlatform::MouseAction::Down, 1, 40, 50);
  platform.ScheduleKeyDown(300, 85, 2);

  platform.RunUntil(520);
  EXPECT_EQ(seen, (std::vector<QString>{"down 1 40,50 at 100", "timer at 250", "up 1 40,50 at 300",
                                        "key 85 2 at 300", "timer at 500"}));
  EXPECT_EQ(platform.Now, 520);

  // Input due during a wait arrives there, as events of the window: while
  // another event runs it is dropped.
  seen.clear();
  timer.SetEnabled(false);
  platform.ScheduleKeyDown(530, 113);
  platform.ScheduleKeyDown(560, 117);
  platform.WaitFor(20);
  form.RunEvent([&] { form.WaitMs(40); });
  EXPECT_EQ(seen, (std::vector<QString>{"key 113 0 at 540"}));
}

TEST(ScriptedPlatformTest, RecordsBeepsFocusAndPlacesOnTheScaledScreen) {
  ScriptedPlatform platform;
  platform.WaitFor(30);
  platform.Beep();
  platform.SetFocus(FocusWindow::Toolbox);
  platform.SetFocus(FocusWindow::Game);
  EXPECT_EQ(platform.Beeps, std::vector<std::int64_t>{30});
  EXPECT_EQ(platform.FocusChanges,
            (std::vector<FocusWindow>{FocusWindow::Toolbox, FocusWindow::Game}));
  platform.ScreenOrigin = QPoint(64, 32);
  platform.ScreenScale = 2;
  EXPECT_EQ(platform.DesktopPoint(QPoint(201, 152)), QPoint(466, 336));
}

TEST(ScriptedPlatformTest, TheCloseBoxAsksTheGuard) {
  ScriptedPlatform platform;
  EXPECT_TRUE(platform.ClickCloseBox()) << "no guard: the window closes";
  EXPECT_TRUE(platform.CloseRequested());

  ScriptedPlatform guarded;
  bool allow = false;
  int asked = 0;
  guarded.SetCloseGuard([&] {
    ++asked;
    return allow;
  });
  EXPECT_FALSE(guarded.ClickCloseBox());
  EXPECT_FALSE(guarded.CloseRequested());
  allow = true;
  EXPECT_TRUE(guarded.ClickCloseBox());
  EXPECT_TRUE(guarded.CloseRequested());
  EXPECT_EQ(asked, 2);
}

}  // namespace
