#include "core/wanted_direction.h"
#include "platform/scripted/scripted_platform.h"
#include "core/direction.h"
#include "core/joy_state.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr std::int32_t CentreX = 32768;
constexpr std::int32_t CentreY = 32768;

struct InputCase {
  const char* what;
  KeypadState keys;
  JoyState joy;
  std::optional<Direction> expected;  // nullopt: no direction input
};

KeypadState Keys(void (*hold)(KeypadState&)) {
  KeypadState keys;
  hold(keys);
  return keys;
}

JoyState Stick(std::int32_t x, std::int32_t y, std::uint32_t buttons = 0) {
  return {x, y, buttons};
}

const JoyState Centred = Stick(CentreX, CentreY);

TEST(WantedDirection, FollowsKeypadAndStick) {
  // The wanted direction before the sample is 6; without input it stays.
  const InputCase cases[] = {
      {"nothing held", {}, Centred, std::nullopt},
      {"keypad 8", Keys([](KeypadState& k) { k.Up = true; }), Centred, 1},
      {"keypad 6", Keys([](KeypadState& k) { k.Right = true; }), Centred, 3},
      {"keypad 2", Keys([](KeypadState& k) { k.Down = true; }), Centred, 5},
      {"keypad 4", Keys([](KeypadState& k) { k.Left = true; }), Centred, 7},
      {"keypad 7", Keys([](KeypadState& k) { k.UpLeft = true; }), Centred, 0},
      {"keypad 9", Keys([](KeypadState& k) { k.UpRight = true; }), Centred, 2},
      {"keypad 3", Keys([](KeypadState& k) { k.DownRight = true; }), Centred, 4},
      {"keypad 1", Keys([](KeypadState& k) { k.DownLeft = true; }), Centred, 6},
      {"keypad 8 and 4 give the first straight match",
       Keys([](KeypadState& k) { k.Up = k.Left = true; }), Centred, 1},
      {"keypad 2 and 4", Keys([](KeypadState& k) { k.Down = k.Left = true; }), Centred, 5},
      {"keypad 6 and 9: the diagonal wins",
       Keys([](KeypadState& k) { k.Right = k.UpRight = true; }), Centred, 2},
      {"keypad 7 and 3: the first diagonal",
       Keys([](KeypadState& k) { k.UpLeft = k.DownRight = true; }), Centred, 0},
      {"fire, pause and turbo are no direction",
       Keys([](KeypadState& k) { k.Fire = k.Pause = k.Turbo = true; }), Centred, std::nullopt},
      {"stick left", {}, Stick(CentreX - 5001, CentreY), 7},
      {"stick right", {}, Stick(CentreX + 5001, CentreY), 3},
      {"stick up", {}, Stick(CentreX, CentreY - 5001), 1},
      {"stick down", {}, Stick(CentreX, CentreY + 5001), 5},
      {"stick on the dead zone edges", {}, Stick(CentreX - 5000, CentreY + 5000), std::nullopt},
      {"stick inside the dead zone", {}, Stick(CentreX + 4000, CentreY - 3000), std::nullopt},
      {"stick up left", {}, Stick(0, 0), 0},
      {"stick up right", {}, Stick(65535, 0), 2},
      {"stick down right", {}, Stick(65535, 65535), 4},
      {"stick down left", {}, Stick(0, 65535), 6},
      {"stick up, one axis only in the dead zone", {}, Stick(CentreX + 5000, 0), 1},
      {"stick left overrides no key", {}, Stick(0, CentreY), 7},
      {"stick down with keypad 8: up comes first", Keys([](KeypadState& k) { k.Up = true; }),
       Stick(CentreX, 65535), 1},
      {"stick right with keypad 1: the diagonal key wins",
       Keys([](KeypadState& k) { k.DownLeft = true; }), Stick(65535, CentreY), 6}};
  for (const InputCase& c : cases) {
    Direction wanted = 6;
    const bool given = ApplyDirectionInput(c.keys, StickFrom(c.joy, CentreX, CentreY), wanted);
    EXPECT_EQ(given, c.expected.has_value()) << c.what;
    EXPECT_EQ(wanted, c.expected.value_or(6)) << c.what;
  }
}

TEST(JoyButtons, CountOnlyAsExactMasks) {
  struct Case {
    std::uint32_t mask;
    bool fire, pause, turbo;
  };
  const Case cases[] = {
      {0, false, false, false}, {1, true, false, false},  {2, false, true, false},
      {8, false, false, true},  {3, false, false, false}, {9, false, false, false},
      {4, false, false, false},
  };
  for (const Case& c : cases) {
    const JoyState joy = Stick(CentreX, CentreY, c.mask);
    EXPECT_EQ(JoyFire(joy), c.fire) << c.mask;
    EXPECT_EQ(JoyPause(joy), c.pause) << c.mask;
    EXPECT_EQ(JoyTurbo(joy), c.turbo) << c.mask;
  }
}

TEST(JoyStick, WithoutJoystickNothingIsSeen) {
  // No joystick: the centre and the position stay 0.
  const StickState stick = StickFrom(JoyState{}, 0, 0);
  EXPECT_FALSE(stick.Left || stick.Right || stick.Up || stick.Down);
}

TEST(StepPosition, MovesOneCellAndRefusesUnknownDirections) {
  const CellPosition from{10, 20};
  const CellPosition expected[] = {{9, 19},  {10, 19}, {11, 19}, {11, 20},
                                   {11, 21}, {10, 21}, {9, 21},  {9, 20}};
  for (int d = 0; d < 8; ++d) EXPECT_EQ(StepPosition(d, from), expected[d]) << d;
  for (int bad : {8, 22, 255, -1}) EXPECT_EQ(StepPosition(bad, from), (CellPosition{0, 0})) << bad;
}

TEST(Direction, NamesAndOpposites) {
  const char* names[] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L"};
  for (Direction d = 0; d < 8; ++d) {
    EXPECT_EQ(DirectionName(d), names[d]);
    EXPECT_EQ(StepPosition(OppositeDirection(d), StepPosition(d, {5, 5})), (CellPosition{5, 5}));
  }
  EXPECT_EQ(DirectionName(8), "");
}

TEST(PollKeypad, SamplesTheKeysHeldNow) {
  ScriptedPlatform platform;
  platform.HoldKey(KeypadKey::UpRight, 0, 100);
  platform.HoldKey(KeypadKey::Turbo, 50);
  KeypadState keys;
  PollKeypad(platform, keys);
  EXPECT_TRUE(keys.UpRight);
  EXPECT_FALSE(keys.Turbo || keys.Up || keys.Right || keys.Fire || keys.Pause);
  platform.Now = 100;
  PollKeypad(platform, keys);
  EXPECT_FALSE(keys.UpRight);
  EXPECT_TRUE(keys.Turbo);
}

TEST(ReadJoyState, KeepsTheLastValuesWhenTheReadFails) {
  ScriptedPlatform platform;
  JoyState joy{100, 200, 1};
  ReadJoyState(platform, joy);
  EXPECT_EQ(joy.X, 100);
  EXPECT_EQ(joy.Buttons, 1u);

  platform.AttachJoystick({65535, 65535});
  platform.MoveJoystick(0, {65535, 0, 2});
  ReadJoyState(platform, joy);
  EXPECT_EQ(joy.X, 65535);
  EXPECT_EQ(joy.Y, 0);
  EXPECT_TRUE(JoyPause(joy));
  EXPECT_EQ(joy.Buttons, 2u);
}

}  // namespace
