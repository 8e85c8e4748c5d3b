#include "track_art.h"
#include "track_source.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackSource, DrawsTheMapInsideTheBorderAndDerivesTheGround)
{
    const TrackRecord track = TrackFromArt({"#~~a~~", "\"\"S##E", "", "~=y#.,"});
    EXPECT_EQ(track.Name, "Test");
    for (int x = 0; x < TrackWidth; ++x) {
        EXPECT_EQ(track.Blocks[BlockIndex(x, 0)], 99);
        EXPECT_EQ(track.Blocks[BlockIndex(x, TrackHeight - 1)], 99);
    }
    for (int y = 0; y < TrackHeight; ++y) {
        EXPECT_EQ(track.Blocks[BlockIndex(0, y)], 99);
        EXPECT_EQ(track.Blocks[BlockIndex(TrackWidth - 1, y)], 99);
    }
    EXPECT_EQ(track.Blocks[BlockIndex(4, 1)], 17);  // the apple
    EXPECT_EQ(track.Blocks[BlockIndex(3, 2)], 9);
    EXPECT_EQ(track.Blocks[BlockIndex(6, 2)], 10);
    EXPECT_EQ(track.Blocks[BlockIndex(51, 35)], 33);  // padding is wall
    const struct {
        int x, y, ground;
    } grounds[] = {
        {1, 1, 1},  // a wall at the row's start lies on the ground to its right
        {4, 1, 1},  // the apple floats in water
        {3, 2, 2},  // the start wormhole lies on grass
        {6, 2, 2},  // walls do not count as ground: the exit lies on grass too
        {3, 4, 4},  // the key lies on lava
        {4, 4, 4},
        {6, 4, 42},
    };
    for (const auto& g : grounds)
        EXPECT_EQ(track.Ground[GroundIndex(g.x, g.y)], g.ground) << g.x << ", " << g.y;
}

TEST(TrackSource, ReadsSettingsAndTrackValues)
{
    const std::string text = "file X.wdb\nsettings lives 4 shield 6 breaks 7 level 2\n" +
                             TrackArtSource({"S"}).substr(11);
    TrackDatabase database;
    std::string file, error;
    ASSERT_TRUE(ReadTrackSource(text, database, file, error)) << error;
    std::string withValues = text;
    withValues.replace(withValues.find("map\n"), 4,
                       "difficulty 7\ndirection 5\nspeed 60\nlength 9\nbonus 11\nmap\n");
    ASSERT_TRUE(ReadTrackSource(withValues, database, file, error)) << error;
    EXPECT_EQ(file, "X.wdb");
    EXPECT_EQ(database.Settings, (DatabaseSettings{4, 6, 7, 2}));
    ASSERT_EQ(database.TrackCount, 1);
    const TrackRecord& track = database.Tracks[1];
    EXPECT_EQ(track.Difficulty, 7);
    EXPECT_EQ(track.StartDirection, 5);
    EXPECT_EQ(track.StartSpeed, 60);
    EXPECT_EQ(track.StartLength, 9);
    EXPECT_EQ(track.HiddenBonusCount, 11);
}

TEST(TrackSource, RefusesFaultsWithTheirLine)
{
    const std::string good = TrackArtSource({"S"});
    const auto withLine = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string firstRow = "S" + std::string(50, '#') + "\n";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {withLine(firstRow, "S\n"), "line 53: a map row has 1 characters, not 51"},
        {withLine(firstRow, "Z" + firstRow.substr(1)), "line 53: 'Z' is not in the legend"},
        {withLine("end\n", ""), "line 88: the map is not followed by \"end\""},
        {withLine("track Test\n", "speed 40\ntrack Test\n"), "line 51: speed before the first track"},
        {withLine("track Test\n", "track \n"), "line 51: a track line is: track NAME"},
        {withLine("map\n", "speed 101\nmap\n"), "line 52: unknown keyword or value out of range: speed 101"},
        {withLine("map\n", "difficulty 0\nmap\n"),
         "line 52: unknown keyword or value out of range: difficulty 0"},
        {withLine("legend .  0 Dirt\n", "legend .  0 Dirt\nlegend . 1 Water\n"),
         "line 3: '.' is in the legend twice"},
        {withLine("legend .  0 Dirt\n", "legend .  0 Grass\n"),
         "line 2: code 0 is \"Dirt\", not \"Grass\""},
        {withLine("file T.wdb\n", "file T.wdb\nsettings lives 0 shield 5 breaks 5 level 0\n"),
         "line 2: settings are: lives 1..10 shield 1..10 breaks 1..10 level 0..10"},
        {withLine("map\n", "track Second\nmap\n"), "track 1 has no map"},
        {withLine("file T.wdb\n", ""), "no file line"},
    };
    for (const auto& c : cases) {
        TrackDatabase database;
        std::string file, error;
        EXPECT_FALSE(ReadTrackSource(c.text, database, file, error));
        EXPECT_EQ(error, c.error);
    }
}

}  // namespace
