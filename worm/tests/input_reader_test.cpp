#include "core/frm_worm.h"
#include "core/input_reader.h"
#include "render_fixture.h"

#include <gtest/gtest.h>

namespace {

class InputReaderTest : public RenderFixture {
 protected:
  InputReaderTest() {
    platform.AttachJoystick({65535, 65535});
    form.JoyCentreX = form.JoyCentreY = 32768;
    platform.MoveJoystick(0, {32768, 32768, 0});
  }

  // Polls like a screen waiting for fire; the passes it took.
  int PassesUntilFire() {
    InputReader input(form);
    int passes = 1;
    while (!input.Next().Fire()) ++passes;
    return passes;
  }
};

TEST_F(InputReaderTest, NextGivesUpAMillisecondSoAWaitForFireEnds) {
  platform.HoldKey(KeypadKey::Fire, 40, 60);
  EXPECT_EQ(PassesUntilFire(), 40);
  EXPECT_EQ(platform.Now, 40);
  EXPECT_EQ(platform.Yields, 40);
  EXPECT_TRUE(platform.Waits.empty()) << "a yield is no wait of the game";
}

TEST_F(InputReaderTest, SampleAddsNoTime) {
  platform.HoldKey(KeypadKey::Left, 0);
  InputReader input(form);
  EXPECT_TRUE(input.Sample().Left());
  EXPECT_EQ(platform.Now, 0);
  EXPECT_EQ(platform.Yields, 0);
}

TEST_F(InputReaderTest, ReadsTheJoystickBeforeTheKeypad) {
  // The key goes down at 5 ms and the stick moves at 5 ms: one read at
  // 5 ms sees both, whichever way the sample is built.
  platform.HoldKey(KeypadKey::Fire, 5);
  platform.MoveJoystick(5, {0, 32768, 0});
  InputReader input(form);
  for (int i = 0; i < 5; ++i) input.Next();
  EXPECT_TRUE(input.Last().Fire());
  EXPECT_TRUE(input.Last().Stick.Left);
  EXPECT_EQ(input.Last().Joy.X, 0);
}

TEST_F(InputReaderTest, ChoiceScreenConventions) {
  struct Case {
    const char* what;
    JoystickPosition joy;
    KeypadKey key;
    bool keyHeld;
    bool fire, left, right, up, down, released;
  };
  constexpr std::int32_t C = 32768;
  const Case cases[] = {
      {"nothing", {C, C, 0}, KeypadKey::Fire, false, false, false, false, false, false, true},
      {"keypad 0", {C, C, 0}, KeypadKey::Fire, true, true, false, false, false, false, false},
      {"button 1", {C, C, 1}, KeypadKey::Fire, false, true, false, false, false, false, false},
      {"buttons 1 and 2: no fire, not released", {C, C, 3}, KeypadKey::Fire, false, false, false,
       false, false, false, false},
      {"button 2: not released", {C, C, 2}, KeypadKey::Fire, false, false, false, false, false,
       false, false},
      {"keypad 4", {C, C, 0}, KeypadKey::Left, true, false, true, false, false, false, true},
      {"keypad 6", {C, C, 0}, KeypadKey::Right, true, false, false, true, false, false, true},
      {"keypad 8", {C, C, 0}, KeypadKey::Up, true, false, false, false, true, false, true},
      {"keypad 2", {C, C, 0}, KeypadKey::Down, true, false, false, false, false, true, true},
      {"keypad 7 is no choice direction", {C, C, 0}, KeypadKey::UpLeft, true, false, false, false,
       false, false, true},
      {"stick left and up", {C - 5001, C - 5001, 0}, KeypadKey::Fire, false, false, true, false,
       true, false, true},
      {"stick right and down", {C + 5001, C + 5001, 0}, KeypadKey::Fire, false, false, false, true,
       false, true, true},
      {"stick on the dead zone edge", {C - 5000, C + 5000, 0}, KeypadKey::Fire, false, false,
       false, false, false, false, true},
  };
  for (const Case& c : cases) {
    ScriptedPlatform scripted;
    scripted.AttachJoystick({65535, 65535});
    scripted.MoveJoystick(0, c.joy);
    if (c.keyHeld) scripted.HoldKey(c.key, 0);
    frmWorm window(scripted);
    window.JoyCentreX = window.JoyCentreY = C;
    const InputSample& sample = InputReader(window).Sample();
    EXPECT_EQ(sample.Fire(), c.fire) << c.what;
    EXPECT_EQ(sample.Left(), c.left) << c.what;
    EXPECT_EQ(sample.Right(), c.right) << c.what;
    EXPECT_EQ(sample.Up(), c.up) << c.what;
    EXPECT_EQ(sample.Down(), c.down) << c.what;
    EXPECT_EQ(sample.Released(), c.released) << c.what;
  }
}

TEST_F(InputReaderTest, EventsDuringABusyLoopAreDroppedButRunInsideADialog) {
  int dropped = 0;
  int nestedInDialog = 0;
  platform.OnWait = [&] { form.RunEvent([&] { ++dropped; }); };
  form.RunEvent([&] {
    form.WaitMs(12);
    InputReader(form).Next();
    // A modal dialog of the event runs the events that come meanwhile.
    form.RunEvent([&] { ++nestedInDialog; });
  });
  EXPECT_EQ(dropped, 0);
  EXPECT_EQ(nestedInDialog, 1);
}

TEST_F(InputReaderTest, ACloseInsideADialogEndsTheProgramOnceTheOuterEventUnwound) {
  platform.CloseWindowAt(10);
  bool exitedInside = false;
  form.RunEvent([&] {
    form.RunEvent([&] { form.WaitMs(20); });
    exitedInside = platform.ExitCode.has_value();
    for (;;) InputReader(form).Next();
  });
  EXPECT_FALSE(exitedInside);
  EXPECT_EQ(platform.ExitCode, 0);
}

}  // namespace
