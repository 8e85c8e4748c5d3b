#pragma once

#include "core/sound_bank.h"
#include "play_fixture.h"

#include <QDir>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Tracks of a game fixture, the worm starting at (10, 10) heading right.
enum class TrackKind {
  Finish,   // an apple opens the exit two cells further on
  Kill,     // a row of mushrooms wears the shield down to death
  NoStart,  // no start cell: cannot be played
};

inline TrackRecord MakeTrack(TrackKind kind, std::uint8_t difficulty) {
  TrackRecord track = OpenTrack();
  track.Difficulty = difficulty;
  if (kind != TrackKind::NoStart) Put(track, 10, 10, Blocks::WormholeStart);
  if (kind == TrackKind::Finish) {
    track.Name = QStringLiteral("Finish");
    Put(track, 12, 10, Blocks::Apple);
    Put(track, 16, 10, Blocks::WormholeExit);
  } else {
    track.Name = kind == TrackKind::Kill ? QStringLiteral("Kill") : QStringLiteral("NoStart");
    for (int x = 11; x <= 30; ++x) Put(track, x, 10, Blocks::Mushroom);
    Put(track, 50, 34, Blocks::Apple);  // keeps the exits shut
  }
  return track;
}

// A game window with a track folder, message pictures of their own colours
// and a player that answers the screens around the tracks: fire in short
// presses whenever no track is being played, and on a high-score entry the
// keys that pick the name "A". Every wait records the message shown.
class GameFixture : public PlayFixture {
 protected:
  // What the player saw at the start of a track (message 1).
  struct TrackStart {
    QString Track;
    int Lives, Shield, Breaks;
    bool operator==(const TrackStart&) const = default;
  };

  GameFixture() {
    form.TrackPath = folder.path() + QStringLiteral("/Track/");
    QDir().mkpath(form.TrackPath);
    for (int number = 1; number <= 8; ++number)
      SavePicture(QStringLiteral("Message%1.bmp").arg(number), 200, 50, MessageColour(number));
    form.FontCharset = QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
    platform.OnWait = [this] { Watch(); };
  }

  static QColor MessageColour(int number) { return QColor(20 * number, 90, 60); }

  void ChooseDatabase(const QString& name) {
    platform.Settings[QStringLiteral("Vora/Misc/Choosen Database")] = name;
  }

  // Writes the database file name + ".wdb" into the track folder.
  void SaveDatabase(const QString& name, const std::vector<TrackRecord>& tracks,
                    DatabaseSettings settings = {3, 5, 5, 0}) {
    TrackDatabase database;
    database.Settings = settings;
    database.TrackCount = static_cast<std::uint8_t>(tracks.size());
    database.Tracks.insert(database.Tracks.end(), tracks.begin(), tracks.end());
    ASSERT_TRUE(WriteDatabaseFile(form.TrackPath + name + QStringLiteral(".wdb"), database).Ok);
  }

  // A track is on the playfield with nothing over it.
  bool Playing() const {
    return form.picPlayField.Visible() && form.picPlayField.Top() == 36 &&
           !form.picMsgBox.Visible();
  }

  void Watch() {
    RecordMessage();
    if (OnEachWait) OnEachWait();
    if (OnTrackRunning && Playing() && !messages.empty() && messages.back() == 1)
      std::exchange(OnTrackRunning, nullptr)();
    if (!entryFrom_ && SoundPlayedSince(SoundFanfare2)) ScheduleEntry();
    if (!entryFrom_ && AnswerScreens) PulseFire(!Playing());
  }

  void RecordMessage() {
    if (!form.picMsgBox.Visible()) return;
    const int number = qRed(form.picMsgBox.Kept().Pixel(100, 25)) / 20;
    if (number == 1 && (messages.empty() || messages.back() != 1))
      starts.push_back({form.Database.PlayCopy().Name, form.Play.Lives, form.Play.Shield,
                        form.Play.Breaks});
    if (messages.empty() || messages.back() != number) {
      messages.push_back(number);
      livesShown.push_back(form.lblLives.Caption());
    }
  }

  bool SoundPlayedSince(int number) {
    for (; soundsSeen_ < platform.PlayedSounds.size(); ++soundsSeen_)
      if (platform.PlayedSounds[soundsSeen_].Slot == number) return true;
    return false;
  }

  // Fire held for 20 ms of every 40 while wanted.
  void PulseFire(bool wanted) {
    const bool held = wanted && platform.Now / 20 % 2 == 0;
    if (held == fireHeld_) return;
    platform.SetKeyHeld(KeypadKey::Fire, held);
    fireHeld_ = held;
  }

  // The name entry starts 4500 ms after its sound: right ("A"), fire, left
  // ("%", the end), fire, and fire again for the screen's item.
  void ScheduleEntry() {
    PulseFire(false);
    const std::int64_t at = platform.Now + 4600;
    entryFrom_ = at;
    platform.HoldKey(KeypadKey::Right, at, at + 50);
    platform.HoldKey(KeypadKey::Fire, at + 200, at + 250);
    platform.HoldKey(KeypadKey::Left, at + 400, at + 450);
    platform.HoldKey(KeypadKey::Fire, at + 600, at + 650);
    platform.HoldKey(KeypadKey::Fire, at + 1000, at + 1050);
  }

  // Whether a screen played the tune file (by its name in the sound folder).
  bool TunePlayed(const QString& file) const { return Music().contains(form.SoundPath + file); }

  bool AnswerScreens = true;
  // Called on every wait and yield.
  std::function<void()> OnEachWait;
  // Called once, as soon as a track runs after its start message.
  std::function<void()> OnTrackRunning;
  std::vector<int> messages;
  std::vector<QString> livesShown;  // the lives label as each message came
  std::vector<TrackStart> starts;

 private:
  std::size_t soundsSeen_ = 0;
  std::optional<std::int64_t> entryFrom_;
  bool fireHeld_ = false;
};
