#include "core/worm_play.h"
#include "render_fixture.h"
#include "shell/running_game.h"

#include <QFile>
#include <QTextStream>

#include <map>

namespace {

// Plays track 1 of the shipped "Vora.wdb" from the recorded key holds of
// tests/replays (made by worm_record_replay) on the scripted clock.
class ReplayTest : public RenderFixture {
 protected:
  // Holds the keys of a script; false when it cannot be read.
  bool HoldScript(const QString& path) {
    const std::map<QString, KeypadKey> keys{
        {"UpLeft", KeypadKey::UpLeft},       {"Up", KeypadKey::Up},
        {"UpRight", KeypadKey::UpRight},     {"Right", KeypadKey::Right},
        {"DownRight", KeypadKey::DownRight}, {"Down", KeypadKey::Down},
        {"DownLeft", KeypadKey::DownLeft},   {"Left", KeypadKey::Left}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&file);
    int holds = 0;
    while (!in.atEnd()) {
      const QString line = in.readLine();
      if (line.startsWith('#')) continue;
      const QStringList words = line.split(' ', Qt::SkipEmptyParts);
      if (words.size() != 3 || !keys.contains(words[2])) return false;
      platform.HoldKey(keys.at(words[2]), words[0].toLongLong(), words[1].toLongLong());
      ++holds;
    }
    return holds > 0;
  }
};

TEST_F(ReplayTest, RecordedKeysFinishTheFirstTrackOfTheStarterDatabase) {
  const QString data = QStringLiteral(WORM_DATA_DIR);
  form.PicturePath = data + "/Picture/";
  form.SoundPath = data + "/Sound/";
  ASSERT_TRUE(ReadDatabaseFile(data + "/Track/Vora.wdb", form.Database).Ok);
  ASSERT_TRUE(HoldScript(QStringLiteral(WORM_REPLAY_DIR) + "/vora_track1.keys"));
  form.picPlayField.Move(2, 36, 636, 444);
  form.NewGame = true;
  RunningGame game;
  EXPECT_EQ(WormPlay(form, 1, game), TrackFinished);
  EXPECT_EQ(platform.PlayedSounds.back().Slot, 8);
  EXPECT_EQ(form.Database.Tracks[1].Name, "First Bites");
}

}  // namespace
