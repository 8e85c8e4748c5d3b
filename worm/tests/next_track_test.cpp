#include "core/next_track.h"
#include "core/track_database.h"
#include "platform/scripted/scripted_platform.h"
#include "shell/running_game.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A database whose tracks 1, 2, ... have these difficulties.
TrackDatabase DatabaseOf(const std::vector<int>& difficulties) {
  TrackDatabase database;
  database.TrackCount = static_cast<std::uint8_t>(difficulties.size());
  for (int difficulty : difficulties) {
    TrackRecord track;
    track.Difficulty = static_cast<std::uint8_t>(difficulty);
    database.Tracks.push_back(track);
  }
  return database;
}

struct NextTrackCase {
  const char* Name;
  std::vector<int> Difficulties;  // of tracks 1, 2, ...
  std::uint8_t SettingsLevel;
  // The tracks in the order of their groups; each group in any order.
  std::vector<std::set<int>> Groups;
};

class NextTrackTest : public testing::TestWithParam<NextTrackCase> {};

TEST_P(NextTrackTest, PlaysEachGroupInRandomOrderThenEnds) {
  const NextTrackCase& c = GetParam();
  const TrackDatabase database = DatabaseOf(c.Difficulties);
  ScriptedPlatform platform;
  RunningGame game;
  game.RefillPool = true;
  game.FixedLevel = c.SettingsLevel != 0;
  game.Level = game.FixedLevel ? c.SettingsLevel : 1;

  for (const std::set<int>& group : c.Groups) {
    std::set<int> picked;
    for (std::size_t n = 0; n < group.size(); ++n) {
      const std::uint8_t track = NextTrack(platform, database, game);
      picked.insert(track);
      // The pick is mirrored into the saved game at once.
      EXPECT_EQ(game.Saved.PlayTrack, track);
      EXPECT_EQ(game.Saved.TrackPool, game.TrackPool);
      EXPECT_EQ(game.Saved.PoolCount, game.TrackPool.size());
      EXPECT_EQ(game.Saved.Level, game.Level);
      EXPECT_EQ(game.Saved.RefillPool, game.RefillPool);
    }
    EXPECT_EQ(picked, group);
  }
  EXPECT_EQ(NextTrack(platform, database, game), 0);
  EXPECT_EQ(NextTrack(platform, database, game), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Databases, NextTrackTest,
    testing::Values(
        NextTrackCase{"DifficultiesTwoAndFive", {5, 2, 5, 2, 2}, 0, {{2, 4, 5}, {1, 3}}},
        NextTrackCase{"AllTenLevelsInOrder", {10, 1, 9, 1, 3}, 0, {{2, 4}, {5}, {3}, {1}}},
        NextTrackCase{"FixedLevelThree", {3, 2, 3, 4, 3}, 3, {{1, 3, 5}}},
        NextTrackCase{"FixedLevelWithoutTracks", {1, 2}, 7, {}},
        NextTrackCase{"EmptyDatabase", {}, 0, {}},
        NextTrackCase{"DifficultiesOutsideTheLevels", {0, 11, 4}, 0, {{3}}}),
    [](const testing::TestParamInfo<NextTrackCase>& info) { return info.param.Name; });

TEST(NextTrack, AfterTheLastTrackOfALevelTheSavedGameAsksForTheNextLevel) {
  const TrackDatabase database = DatabaseOf({2, 6});
  ScriptedPlatform platform;
  RunningGame game;
  game.RefillPool = true;
  game.Level = 1;
  EXPECT_EQ(NextTrack(platform, database, game), 1);
  EXPECT_TRUE(game.Saved.RefillPool);
  EXPECT_EQ(game.Saved.Level, 3);
  EXPECT_EQ(game.Saved.PoolCount, 0);
  // A game continued from there goes on with the next difficulty that has tracks.
  RunningGame continued;
  continued.RefillPool = game.Saved.RefillPool;
  continued.Level = game.Saved.Level;
  EXPECT_EQ(NextTrack(platform, database, continued), 2);
  EXPECT_EQ(continued.Level, 7);
}

}  // namespace
