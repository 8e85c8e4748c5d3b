#include "core/frm_worm.h"
#include "platform/scripted/scripted_platform.h"

#include <gtest/gtest.h>

namespace {

class MusicCommandTest : public testing::Test {
 protected:
  // The commands the player received since the last call.
  QStringList Sent() {
    QStringList sent;
    for (std::size_t i = seen_; i < platform.MidiEvents.size(); ++i)
      sent << platform.MidiEvents[i].Command;
    seen_ = platform.MidiEvents.size();
    return sent;
  }

  void Music(const QString& command) { form.MusicCommand(command); }

  ScriptedPlatform platform;
  frmWorm form{platform};

 private:
  std::size_t seen_ = 0;
};

TEST_F(MusicCommandTest, PlayPauseAndStopSendTheirCommands) {
  platform.MidiFileName("/game/Sound/Main.Mid");
  Sent();
  Music("Play");
  EXPECT_EQ(Sent(), QStringList({"Open", "Play"}));
  Music("Pause");
  EXPECT_EQ(Sent(), QStringList({"Pause"}));
  EXPECT_EQ(platform.MidiMode(), MidiModePaused);
  Music("Pause");
  EXPECT_EQ(Sent(), QStringList({"Pause"}));
  EXPECT_EQ(platform.MidiMode(), MidiModePlaying);
  Music("Stop");
  EXPECT_EQ(Sent(), QStringList({"Stop", "close"}));
  // Stop on a closed player sends the same.
  Music("Stop");
  EXPECT_EQ(Sent(), QStringList({"Stop", "close"}));
}

TEST_F(MusicCommandTest, CheckRestartsOnlyATuneThatHasEnded) {
  platform.MidiTuneLength = 1000;
  Music("Play");
  Sent();
  platform.Now = 500;
  Music("Check");
  EXPECT_TRUE(Sent().isEmpty()) << "playing";
  Music("Pause");
  Sent();
  platform.Now = 5000;
  Music("Check");
  EXPECT_TRUE(Sent().isEmpty()) << "paused";
  Music("Pause");
  Sent();
  platform.Now = 5500;
  Music("Check");
  EXPECT_EQ(Sent(), QStringList({"Close", "Open", "Play"}));
  EXPECT_EQ(platform.MidiMode(), MidiModePlaying);
}

TEST_F(MusicCommandTest, CheckOnAClosedPlayerSendsNothing) {
  Music("Check");
  EXPECT_TRUE(Sent().isEmpty());
}

TEST_F(MusicCommandTest, OtherCommandsDoNothing) {
  for (const char* command : {"play", "PAUSE", "Resume", "", "Close"}) Music(command);
  EXPECT_TRUE(Sent().isEmpty());
}

TEST_F(MusicCommandTest, WithoutSoundEverythingIsSilent) {
  platform.MidiTuneLength = 0;
  form.SoundStatus = 1;
  for (const char* command : {"Play", "Pause", "Check", "Stop"}) Music(command);
  EXPECT_TRUE(Sent().isEmpty());
}

}  // namespace
