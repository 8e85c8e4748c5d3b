#include "auto_play_window.h"
#include "core/block_codes.h"
#include "route_planner.h"
#include "track_art.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct PlannerCase {
  const char* what;
  std::vector<std::string> art;  // 'S' marks the head
  std::vector<int> good;         // the first moves a careful player may take
  std::optional<Direction> sliding = std::nullopt;
  bool scuba = false;
  bool exitsOpen = false;
};

std::optional<CellPosition> Find(const TrackRecord& track, BlockCode code) {
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (track.Blocks[BlockIndex(x, y)] == code) return CellPosition{x, y};
  return std::nullopt;
}

// Each board has one or two good first moves for a careful player.
TEST(RoutePlanner, ChoosesTheFirstMoveOfACarefulRoute) {
  const PlannerCase cases[] = {
      {"straight to the food", {"S..a"}, {3}},
      {"around a wall", {"S#a", ".#.", "..."}, {5}},
      {"the key before its door", {"....y", "S#####", ".Y.a..", "######"}, {2}},
      {"a one-way only in its direction", {"S.....", "^v####", "a.....", "######"}, {3}},
      {"round the water without scuba gear", {"S~~~a", ".~~~.", "....."}, {5}},
      {"through the water with scuba gear", {"S~~~a", ".~~~.", "....."}, {3}, std::nullopt, true},
      {"a step early on ice, before the lava",
       {"____=", "S___=", "#___=", "#___=", "#a##="}, {4, 5}, Direction{3}},
      {"into the open exit before the food", {"aS.E"}, {3}, std::nullopt, false, true},
  };
  for (const PlannerCase& c : cases) {
    SCOPED_TRACE(c.what);
    TrackRecord track = TrackFromArt(c.art);
    const CellPosition head = *Find(track, Blocks::WormholeStart);
    if (c.exitsOpen)
      while (const std::optional<CellPosition> exit = Find(track, Blocks::WormholeExit))
        track.Blocks[BlockIndex(exit->X, exit->Y)] = Blocks::OpenExit;
    PlayState play;
    play.Shield = 5;
    play.HasScuba = c.scuba;
    const std::vector<CellPosition> body{head};
    RoutePlanner planner;
    const std::optional<Direction> wanted = planner.Plan({track, play, body, head, c.sliding, 0});
    ASSERT_TRUE(wanted.has_value());
    EXPECT_TRUE(std::find(c.good.begin(), c.good.end(), *wanted) != c.good.end())
        << "chose " << int(*wanted);
  }
}

// A worm lying in a hook round its head: its cells stand in the way until the
// tail has left them, later while the worm still grows.
TEST(RoutePlanner, PassesItsBodyOnlyWhereTheTailHasLeft) {
  const struct {
    int growth;
    Direction expected;
  } cases[] = {
      {0, 6},  // into the cell the tail leaves this step, then to the food
      {1, 5},  // the tail stays a step: round it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.growth);
    TrackRecord track = TrackFromArt({"......", "a.....", "......"});
    const std::vector<CellPosition> body{{2, 3}, {2, 2}, {2, 1}, {3, 1}, {3, 2}};
    for (const CellPosition& cell : body)
      track.Blocks[BlockIndex(cell.X, cell.Y)] += Blocks::WormBody;
    PlayState play;
    play.Shield = 5;
    RoutePlanner planner;
    const std::optional<Direction> wanted =
        planner.Plan({track, play, body, body.back(), std::nullopt, c.growth});
    ASSERT_TRUE(wanted.has_value());
    EXPECT_EQ(int(*wanted), int(c.expected));
  }
}

// Every shipped track, played through the real play loop, is finished with a
// life to spare.
TEST(AutoPlayer, FinishesEveryShippedTrack) {
  AutoPlayWindow window;
  QString problem;
  ASSERT_TRUE(window.Open(WORM_DATA_DIR, WORM_DATA_DIR "/Track/Vora.wdb", problem))
      << problem.toStdString();
  const TrackDatabase& database = window.Database();
  ASSERT_GE(database.TrackCount, 30);
  for (int n = 1; n <= database.TrackCount; ++n) {
    const TrackReport report = window.Play(static_cast<std::uint8_t>(n));
    SCOPED_TRACE(database.Tracks[n].Name.toStdString());
    EXPECT_TRUE(report.Finished) << report.Steps << " steps";
    EXPECT_LT(report.LivesLost, database.Settings.Lives);
  }
}

}  // namespace
