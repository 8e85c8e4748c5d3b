#include "track_art.h"
#include "track_route.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackRoute, FindsWhatBlocksTheWay)
{
    const struct {
        const char* what;
        std::vector<std::string> art;
        size_t problems;
    } cases[] = {
        {"open field", {"S..a..E"}, 0},
        {"food behind a hard wall ring", {"S....E", "......", "..###.", "..#a#.", "..###."}, 1},
        {"soft walls break", {"S....E", "......", "..%%%.", "..%a%.", "..%%%."}, 0},
        {"a door without its key", {"S.#a", "..Y.", "..#E"}, 2},
        {"a door with its key", {"Sy#a", "..Y.", "..#E"}, 0},
        {"a key opens one door only", {"Sy#a#.", "..Y.Y.", "..#.#E"}, 2},
        {"the diagonal squeezes between corners", {"S#E", "#a#"}, 0},
        {"water needs scuba gear", {"S.~~~", "..~a~", "..~~~", "E...."}, 1},
        {"scuba gear", {"S.~~~", "s.~a~", "..~~~", "E...."}, 0},
        {"lava needs shoes, also under items", {"S.===", "..=a=", "..===", "E...."}, 1},
        {"a one-way room with no way out", {"S....", "..#v#", "..#a#", "..###", "E...."}, 1},
        {"a one-way room with its way out", {"S....", "..#v#", "..#a#", "..#v#", "E...."}, 0},
        {"a one-way entered against its arrow", {"S....", "..#^#", "..#a#", "..###", "E...."}, 1},
        {"a portal into a sealed room", {"S1...", ".....", "#####", "..1a.", "...E."}, 0},
        {"no start", {"..a..E"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> problems = RouteProblems(TrackFromArt(c.art));
        EXPECT_EQ(problems.size(), c.problems) << (problems.empty() ? "" : problems.front());
    }
}

TEST(TrackRoute, EveryStartMustLeadToTheExit)
{
    const std::vector<std::string> problems =
        RouteProblems(TrackFromArt({"S.a.E", "#####", "..S.."}));
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "no exit can be reached from the start at (3, 3)");
    EXPECT_EQ(problems[1], "the food at (3, 1) cannot be reached from (3, 3)");
}

}  // namespace
