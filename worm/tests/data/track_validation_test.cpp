#include "editor/track_validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A new track: the border ring and Dirt.
TrackRecord NewTrack()
{
    TrackRecord track;
    track.Name = "NoName";
    for (int y = 0; y < TrackHeight; ++y)
        for (int x = 0; x < TrackWidth; ++x)
            track.Blocks[BlockIndex(x, y)] =
                (x == 0 || y == 0 || x == TrackWidth - 1 || y == TrackHeight - 1) ? 99 : 0;
    return track;
}

// A new track with start, exit and an apple, plus the given codes in a row from (1, 1).
TrackRecord PlayableTrackWith(const std::vector<std::uint8_t>& codes)
{
    TrackRecord track = NewTrack();
    track.Blocks[BlockIndex(51, 35)] = 9;
    track.Blocks[BlockIndex(50, 35)] = 10;
    track.Blocks[BlockIndex(49, 35)] = 17;
    int x = 1;
    for (std::uint8_t code : codes)
        track.Blocks[BlockIndex(x++, 1)] = code;
    return track;
}

TEST(TrackValidation, NewTrackMissesBothWormholesAndFood)
{
    const QStringList errors = TrackErrors(NewTrack());
    EXPECT_EQ(errors, QStringList({"Wormhole (Start).........................Missing",
                                   "Wormhole (Exit).........................Missing",
                                   "Vora Food.........................Missing"}));
    EXPECT_EQ(TrackErrorText(errors),
              "These Errors Must Be Corrected Before The Track Works.\n\n"
              "Wormhole (Start).........................Missing\n"
              "Wormhole (Exit).........................Missing\n"
              "Vora Food.........................Missing\n");
}

TEST(TrackValidation, RulesOnKeysPortalsAndFood)
{
    const struct {
        std::vector<std::uint8_t> codes;
        QStringList errors;
    } cases[] = {
        {{}, {}},
        {{26, 26}, {"Yellow Key.........................(2) Missing"}},
        {{26, 26, 11}, {"Yellow Key.........................(1) Missing"}},
        {{26, 26, 11, 11}, {}},
        {{11, 11, 11, 26}, {}},
        {{27, 28, 28, 28, 13},
         {"Red Key.........................(1) Missing",
          "Purple Key.........................(2) Missing"}},
        {{12, 26}, {"Yellow Key.........................(1) Missing"}},  // a key of another colour
        {{22}, {"White Portal.........................Alone"}},
        {{22, 22}, {}},
        {{22, 22, 22}, {}},
        {{23, 24, 24}, {"Green Portal.........................Alone"}},
        {{24}, {"Blue Portal.........................Alone"}},
        {{9, 9, 10, 10}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.codes));
        EXPECT_EQ(TrackErrors(PlayableTrackWith(c.codes)), c.errors);
    }
}

TEST(TrackValidation, EveryFoodCountsButTheMushroom)
{
    for (std::uint8_t food = 16; food <= 20; ++food) {
        TrackRecord track = PlayableTrackWith({});
        track.Blocks[BlockIndex(49, 35)] = food;
        EXPECT_TRUE(TrackErrors(track).isEmpty()) << int(food);
    }
    TrackRecord track = PlayableTrackWith({});
    track.Blocks[BlockIndex(49, 35)] = 21;
    EXPECT_EQ(TrackErrors(track), QStringList({"Vora Food.........................Missing"}));
}

TEST(TrackValidation, OnlyPlayableCellsCount)
{
    TrackRecord track = NewTrack();
    track.Blocks[BlockIndex(0, 5)] = 9;   // on the border ring
    track.Blocks[BlockIndex(52, 5)] = 9;
    track.Blocks[BlockIndex(5, 36)] = 9;
    EXPECT_EQ(CountBlocks(track, 9), 0);
    track.Blocks[BlockIndex(1, 1)] = 9;
    track.Blocks[BlockIndex(51, 35)] = 9;
    EXPECT_EQ(CountBlocks(track, 9), 2);
    EXPECT_EQ(CountBlocks(NewTrack(), 0), 51 * 35);
}

TEST(TrackValidation, UntestedTracksAreListedByNumberAndName)
{
    TrackDatabase database;
    database.TrackCount = 4;
    database.Tracks.resize(5, NewTrack());
    database.Tracks[2].Name = "Lake";
    const auto testedExcept = [](std::vector<int> untested) {
        return [untested](int n) { return std::find(untested.begin(), untested.end(), n) == untested.end(); };
    };
    EXPECT_EQ(UntestedTracksText(database, testedExcept({})), "");
    EXPECT_EQ(UntestedTracksText(database, testedExcept({4})),
              "You Must Test These Tracks Before You Can Save\n\n4 - NoName\n");
    EXPECT_EQ(UntestedTracksText(database, testedExcept({2, 4})),
              "You Must Test These Tracks Before You Can Save\n\n2 - Lake\n4 - NoName\n");
}

}  // namespace
