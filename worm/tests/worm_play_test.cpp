#include "core/worm_play.h"
#include "play_fixture.h"
#include "shell/running_game.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace {

// One track played on the scripted clock, the worm starting at (10, 10)
// heading right. Every wait records the cells the worm covers, so the
// moments at which the worm moved and its size then can be read back.
class WormPlayTest : public PlayFixture {
 protected:
  struct Moment {
    std::int64_t At;
    std::vector<std::pair<int, int>> Worm;
  };

  WormPlayTest() {
    Put(Track(), 10, 10, Blocks::WormholeStart);
    Put(Track(), 50, 34, Blocks::Apple);  // food far away keeps the exits shut
    platform.OnWait = [this] { Record(); };
  }

  void Record() {
    std::vector<std::pair<int, int>> cells;
    const TrackRecord& copy = PlayCopy();
    for (int x = 1; x <= GroundWidth; ++x)
      for (int y = 1; y <= GroundHeight; ++y)
        if (IsWormBody(CodeAt(copy, x, y))) cells.push_back({x, y});
    if (moves.empty() || moves.back().Worm != cells) moves.push_back({platform.Now, cells});
    changes.push_back({platform.Now, Surface::ChangeCount()});
    if (OnPass) OnPass();
  }

  // Plays the track as the first of a game, fire skipping the countdown;
  // stopped by closing the window after forMs when given. Records anew.
  std::optional<TrackResult> Play(std::int64_t forMs = ScriptedPlatform::Never) {
    moves.clear();
    changes.clear();
    platform.PlayedSounds.clear();
    platform.MidiEvents.clear();
    form.NewGame = true;
    platform.HoldKey(KeypadKey::Fire, platform.Now, platform.Now + 1000);
    platform.CloseWindowAt(forMs == ScriptedPlatform::Never ? forMs : platform.Now + forMs);
    try {
      return WormPlay(form, 1, game);
    } catch (const ProgramClosing&) {
      return std::nullopt;
    }
  }

  // When sound `number` was first (or last) played; -1 if never.
  std::int64_t SoundAt(int number, bool last = false) const {
    std::int64_t at = -1;
    for (const auto& played : platform.PlayedSounds)
      if (played.Slot == number) {
        at = played.At;
        if (!last) break;
      }
    return at;
  }

  // Sizes of the worm after each of its moves (the first entry is before any).
  std::vector<int> Sizes(std::size_t count) const {
    std::vector<int> sizes;
    for (std::size_t i = 1; i < moves.size() && sizes.size() < count; ++i)
      sizes.push_back(static_cast<int>(moves[i].Worm.size()));
    return sizes;
  }

  std::int64_t MoveGap(std::size_t move) const { return moves[move + 1].At - moves[move].At; }

  std::vector<Moment> moves;
  std::vector<std::pair<std::int64_t, std::uint64_t>> changes;
  std::function<void()> OnPass;
  RunningGame game;
};

TEST_F(WormPlayTest, WormGrowsOneCellPerStepUpToItsLength) {
  const struct {
    std::int16_t length;
    std::vector<int> sizes;
  } cases[] = {{3, {1, 2, 3, 3, 3}}, {6, {1, 2, 3, 4, 5, 6, 6, 6}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    Track().StartLength = c.length;
    Play(4000);
    EXPECT_EQ(Sizes(c.sizes.size()), c.sizes);
  }
}

TEST_F(WormPlayTest, HamburgerGrowsTheWormOverFourSteps) {
  Put(Track(), 13, 10, Blocks::Hamburger);
  Play(4000);
  EXPECT_EQ(Sizes(9), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 7, 7}));
}

TEST_F(WormPlayTest, StepTimeInPollingPassesOf12Ms) {
  const struct {
    const char* what;
    std::uint8_t speed;
    BlockCode ground;
    std::optional<KeypadKey> held;
    std::int64_t stepMs;
    int turboSounds;
  } cases[] = {
      {"speed 100", 100, Blocks::Dirt, {}, 2 * 12, 0},
      {"speed 1", 1, Blocks::Dirt, {}, 27 * 12, 0},
      {"Dec Speed", 100, Blocks::DecSpeed, {}, 8 * 12, 0},
      {"Lava", 60, Blocks::Lava, {}, 19 * 12, 0},  // 11 + 7
      {"Ice", 60, Blocks::Ice, {}, 5 * 12, 0},     // 11 - 7
      {"Inc Speed", 100, Blocks::IncSpeed, {}, 2 * 12, 0},
      {"braking", 100, Blocks::Dirt, KeypadKey::Fire, 27 * 12, 0},
      {"turbo at delay 4", 88, Blocks::Dirt, KeypadKey::Turbo, 5 * 12, 0},
      {"turbo at delay 16", 40, Blocks::Dirt, KeypadKey::Turbo, 5 * 12, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    form.Database.Tracks[1] = OpenTrack();
    Fill(Track(), c.ground);
    Put(Track(), 10, 10, Blocks::WormholeStart);
    Put(Track(), 50, 34, Blocks::Apple);
    Track().StartSpeed = c.speed;
    if (c.held) platform.HoldKey(*c.held, platform.Now, ScriptedPlatform::Never);
    Play(20000);
    if (c.held) platform.SetKeyHeld(*c.held, false);
    ASSERT_GE(moves.size(), 5u);
    EXPECT_EQ(MoveGap(3), c.stepMs);
    const std::vector<int> sounds = Sounds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 32), c.turboSounds);
  }
}

TEST_F(WormPlayTest, BrakingUsesAPadEveryThirdStepUntilNoneIsLeft) {
  platform.HoldKey(KeypadKey::Fire, 0, ScriptedPlatform::Never);
  Play(8000);
  const std::vector<int> sounds = Sounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 2), 5);
  EXPECT_EQ(form.Play.Breaks, 0);
  EXPECT_EQ(form.pgbBreak.Value, 0);
  ASSERT_GE(moves.size(), 18u);
  EXPECT_EQ(MoveGap(14), 27 * 12);  // the 15th step uses the last pad and still brakes
  EXPECT_EQ(MoveGap(15), 2 * 12);
}

TEST_F(WormPlayTest, ResultsOfTheTrack) {
  // Finished: the last food opens the exit, the worm goes in and its tail follows.
  Put(Track(), 50, 34, Blocks::Dirt);
  Put(Track(), 12, 10, Blocks::Apple);
  Put(Track(), 16, 10, Blocks::WormholeExit);
  EXPECT_EQ(Play(), TrackFinished);
  EXPECT_EQ(Sounds().back(), 8);
  EXPECT_EQ(Music().back(), "close");
  // The worm has left the field: no cell is covered any more.
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) EXPECT_FALSE(IsWormBody(CodeAt(PlayCopy(), x, y)));

  // Killed: the second mushroom with an empty shield.
  form.Database.Tracks[1] = OpenTrack();
  Put(Track(), 10, 10, Blocks::WormholeStart);
  Put(Track(), 11, 10, Blocks::Mushroom);
  Put(Track(), 12, 10, Blocks::Mushroom);
  Put(Track(), 13, 10, Blocks::Apple);
  form.Database.Settings.Shield = 1;
  EXPECT_EQ(Play(), TrackKilled);
  EXPECT_EQ(Sounds().back(), 19);
  EXPECT_EQ(form.Play.Shield, 0);

  // Quit: pause while testing in the editor.
  form.InEditor = true;
  platform.HoldKey(KeypadKey::Pause, platform.Now + 1, ScriptedPlatform::Never);
  EXPECT_EQ(Play(), TrackQuit);
  EXPECT_EQ(Sounds().back(), 24);
}

TEST_F(WormPlayTest, TrackWithoutStartIsNotPlayed) {
  Put(Track(), 10, 10, Blocks::Dirt);
  const TrackRecord before = PlayCopy();
  const QImage screen = PlayFieldDc(form).Image();
  EXPECT_EQ(Play(), TrackNotPlayable);
  EXPECT_TRUE(platform.PlayedSounds.empty());
  EXPECT_TRUE(platform.MidiEvents.empty());
  EXPECT_TRUE(platform.Waits.empty());
  EXPECT_EQ(PlayCopy(), before);
  EXPECT_EQ(PlayFieldDc(form).Image(), screen);
  EXPECT_TRUE(form.NewGame);
  for (std::uint8_t missing : {0, 2, 255}) EXPECT_EQ(WormPlay(form, missing, game), TrackNotPlayable);
}

TEST_F(WormPlayTest, KeypadPauseIsIgnoredWhileExitingButJoystickPauseIsNot) {
  Put(Track(), 50, 34, Blocks::Dirt);
  Put(Track(), 11, 10, Blocks::Apple);
  Put(Track(), 13, 10, Blocks::WormholeExit);
  Track().StartLength = 20;
  form.InEditor = true;
  // Pause held from the moment the worm goes into the exit (the third step).
  OnPass = [this] {
    if (moves.size() == 4 && platform.Now == moves.back().At)
      platform.HoldKey(KeypadKey::Pause, platform.Now, ScriptedPlatform::Never);
  };
  EXPECT_EQ(Play(), TrackFinished);

  platform.SetKeyHeld(KeypadKey::Pause, false);
  platform.AttachJoystick({65535, 65535});
  platform.MoveJoystick(0, {32767, 32767, 0});
  form.JoyCentreX = form.JoyCentreY = 32767;
  OnPass = [this] {
    if (moves.size() == 4 && platform.Now == moves.back().At)
      platform.MoveJoystick(platform.Now, {32767, 32767, 2});
  };
  EXPECT_EQ(Play(), TrackQuit);
}

TEST_F(WormPlayTest, EachStepDrawsOnlyTheCellsThatChanged) {
  Track().StartLength = 5;
  Play(6000);
  // Changes of every surface between the first passes of two steps: the new
  // head, the body behind it, the new tail end and the cell the tail left.
  ASSERT_GE(moves.size(), 12u);
  const auto changesAt = [this](std::int64_t at) {
    for (const auto& [when, count] : changes)
      if (when == at) return count;
    return std::uint64_t{0};
  };
  for (std::size_t move = 8; move < 11; ++move)
    EXPECT_EQ(changesAt(moves[move + 1].At) - changesAt(moves[move].At), 4u) << move;
}

TEST_F(WormPlayTest, ExitsFlashEvery30PassesOnceTheLastFoodIsEaten) {
  Put(Track(), 50, 34, Blocks::Dirt);
  Put(Track(), 11, 10, Blocks::Apple);
  Put(Track(), 5, 30, Blocks::WormholeExit);
  Put(Track(), 12, 10, Blocks::Parking);  // stops the worm while the exits flash
  std::vector<std::pair<std::int64_t, bool>> frames;  // when the exit shows 57
  OnPass = [&] {
    const bool frame = ShowsSheetCell(PlayFieldDc(form).Image(), 60, 360, Blocks::ExitFlash);
    if (frames.empty() || frames.back().second != frame) frames.push_back({platform.Now, frame});
  };
  Play(8000);
  const std::int64_t opened = SoundAt(25);
  ASSERT_GE(opened, 0);
  ASSERT_GE(frames.size(), 4u);
  EXPECT_EQ(frames[1].second, true);
  // The first flash comes on the 30th pass after the opening, then every 30.
  EXPECT_EQ(frames[1].first - opened, 29 * 12);
  EXPECT_EQ(frames[2].first - frames[1].first, 30 * 12);
  EXPECT_EQ(frames[3].first - frames[2].first, 30 * 12);
  EXPECT_EQ(CodeAt(PlayCopy(), 5, 30), Blocks::OpenExit);
}

TEST_F(WormPlayTest, OpenExitBonusClosesTheExitsAfter1000Passes) {
  Track().HiddenBonusCount = 1;
  Put(Track(), 5, 30, Blocks::WormholeExit);
  Put(Track(), 13, 10, Blocks::Parking);
  for (CellPosition wall : {CellPosition{49, 33}, {50, 33}, {51, 33}, {49, 34}, {51, 34}, {49, 35},
                            {50, 35}, {51, 35}})
    Put(Track(), wall.X, wall.Y, Blocks::WallHard);  // the food stays out of reach
  for (double r : {11.5 / 51, 9.5 / 35, 10.0 / 115}) platform.ScriptRandom(r);  // (12, 10): open exits
  Play(30000);
  const std::int64_t opened = SoundAt(25);
  const std::int64_t closed = SoundAt(11);
  ASSERT_GE(opened, 0);
  EXPECT_EQ(closed - opened, 999 * 12);
  EXPECT_EQ(CodeAt(PlayCopy(), 5, 30), Blocks::WormholeExit);
  EXPECT_TRUE(ShowsSheetCell(PlayFieldDc(form).Image(), 60, 360, Blocks::WormholeExit));
}

TEST_F(WormPlayTest, ParkingStopsFor1000PassesUnlessFire) {
  Put(Track(), 12, 10, Blocks::Parking);
  Play(20000);
  const std::int64_t skid = SoundAt(26);
  ASSERT_GE(skid, 0);
  const std::vector<int> sounds = Sounds();
  EXPECT_EQ(std::count(sounds.begin(), sounds.end(), 21), 10);
  EXPECT_EQ(SoundAt(10, true) - skid, 1000 * 12 + 500);

  // Fire held from the 21st pass of the stop on.
  OnPass = [this] {
    const std::int64_t skidAt = SoundAt(26);
    if (skidAt >= 0 && platform.Now == skidAt + 240)
      platform.HoldKey(KeypadKey::Fire, platform.Now, platform.Now + 24);
  };
  Play(20000);
  EXPECT_EQ(SoundAt(24, true) - SoundAt(26), 252);
  EXPECT_EQ(SoundAt(10, true) - SoundAt(26), 252 + 500);
}

}  // namespace

namespace {

// Pause pressed at the worm's third move, then the pause screen answered.
class PausedPlayTest : public WormPlayTest {
 protected:
  void PauseAtThirdMove(std::initializer_list<KeypadKey> answer) {
    OnPass = [this, keys = std::vector<KeypadKey>(answer)] {
      if (moves.size() != 4 || platform.Now != moves.back().At || pausedAt >= 0) return;
      pausedAt = platform.Now;
      platform.HoldKey(KeypadKey::Pause, pausedAt, pausedAt + 24);
      for (KeypadKey key : keys) platform.HoldKey(key, pausedAt + 3000, pausedAt + 4000);
    };
  }
  std::int64_t pausedAt = -1;
};

TEST_F(PausedPlayTest, FireOnThePauseScreenGoesOnWithTheMusic) {
  PauseAtThirdMove({KeypadKey::Fire});
  Play(8000);
  ASSERT_GE(pausedAt, 0);
  EXPECT_EQ(Music().count("Pause"), 2);
  const std::int64_t goOn = SoundAt(10, true);
  EXPECT_GT(goOn, pausedAt + 3000);
  // The worm moves on after the pause.
  EXPECT_GT(moves.back().At, goOn);
}

TEST_F(PausedPlayTest, EndingTheGameOnThePauseScreenQuitsTheTrack) {
  PauseAtThirdMove({KeypadKey::Left, KeypadKey::Fire});
  EXPECT_EQ(Play(20000), TrackQuit);
  EXPECT_EQ(Music().count("Pause"), 1);
  EXPECT_EQ(Music().back(), "close");
}

}  // namespace

namespace {

class TuneChoiceTest : public WormPlayTest {
 protected:
  // The tune file the track starts with; the game goes on (no new game).
  QString TuneOf(std::uint8_t track) {
    platform.MidiEvents.clear();
    platform.HoldKey(KeypadKey::Fire, platform.Now, platform.Now + 1000);  // skips the countdown
    platform.CloseWindowAt(platform.Now + 1500);
    try {
      WormPlay(form, track, game);
    } catch (const ProgramClosing&) {
    }
    for (const auto& event : platform.MidiEvents)
      if (event.Command == QLatin1String("File")) return QFileInfo(event.Argument).fileName();
    return {};
  }
};

TEST_F(TuneChoiceTest, ReplayedTrackKeepsItsTuneAndTheNextTrackGetsAnother) {
  form.Database.TrackCount = 2;
  form.Database.Tracks.push_back(Track());
  form.NewGame = true;
  for (int round = 0; round < 20; ++round) {
    const QString first = TuneOf(1);
    EXPECT_TRUE(QRegularExpression("^Vora[1-5]\\.Mid$").match(first).hasMatch()) << first.toStdString();
    EXPECT_EQ(TuneOf(1), first);
    EXPECT_NE(TuneOf(2), first);
  }
}

}  // namespace
