#include "core/platform.h"
#include "platform/sdl_midi_player.h"
#include "platform/sdl_sound_bank.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// The audio device of the run (the dummy driver in the test suite).
class SdlMidiPlayerTest : public testing::Test {
 protected:
  void SetUp() override {
    if (sounds.Initialise() != 0) GTEST_SKIP() << "no audio device";
  }

  void Send(std::initializer_list<const char*> commands) {
    for (const char* command : commands) player.Command(command, sounds.IsOpen());
  }

  SdlSoundBank sounds;
  SdlMidiPlayer player;
  QTemporaryDir folder;
};

TEST_F(SdlMidiPlayerTest, MissingTuneLeavesThePlayerClosed) {
  player.SetFileName(folder.filePath("Main.Mid"));
  Send({"Open", "Play"});
  // So a "Check" of the game finds nothing to restart.
  EXPECT_EQ(player.Mode(), MidiModeNotOpen);
  Send({"Pause", "Stop", "close"});
  EXPECT_EQ(player.Mode(), MidiModeNotOpen);
}

}  // namespace
