#include "platform/scripted/scripted_platform.h"

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

}  // namespace
