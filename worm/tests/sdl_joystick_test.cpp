#include "core/platform.h"
#include "platform/sdl_joystick.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>

namespace {

// A virtual joystick 0 with two axes and six buttons.
class SdlJoystickTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 6, 0);
    if (index_ != 0) GTEST_SKIP() << "another joystick is attached";
    stick_ = SDL_JoystickOpen(index_);
    ASSERT_NE(stick_, nullptr);
  }

  void TearDown() override {
    if (stick_) SDL_JoystickClose(stick_);
    if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }

  // Holds exactly the given buttons (0-based).
  void Hold(std::initializer_list<int> held) {
    for (int button = 0; button < 6; ++button)
      SDL_JoystickSetVirtualButton(stick_, button, std::count(held.begin(), held.end(), button));
  }

  int index_ = -1;
  SDL_Joystick* stick_ = nullptr;
};

TEST_F(SdlJoystickTest, AxesSpanTheRangeAndOnlyFourButtonsCount) {
  SdlJoystick joystick;
  EXPECT_EQ(joystick.Capabilities().MaxX, 65535);
  EXPECT_EQ(joystick.Capabilities().MaxY, 65535);

  SDL_JoystickSetVirtualAxis(stick_, 0, -32768);
  SDL_JoystickSetVirtualAxis(stick_, 1, 32767);
  const struct {
    std::initializer_list<int> held;
    std::uint32_t mask;
  } cases[] = {{{}, 0}, {{0}, 1}, {{1}, 2}, {{3}, 8}, {{0, 1}, 3}, {{0, 5}, 1}, {{4, 5}, 0}};
  for (const auto& c : cases) {
    Hold(c.held);
    JoystickPosition position;
    ASSERT_TRUE(joystick.Read(position));
    EXPECT_EQ(position.X, 0);
    EXPECT_EQ(position.Y, 65535);
    EXPECT_EQ(position.Buttons, c.mask) << c.mask;
  }
}

}  // namespace
