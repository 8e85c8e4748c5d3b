#include "core/block_codes.h"
#include "data_folder.h"
#include "editor/track_validation.h"
#include "track_route.h"
#include "track_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

class StarterDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        const DatabaseFileResult read =
            ReadDatabaseFile(QString::fromStdString(TrackFolder() + "Vora.wdb"), database_);
        ASSERT_TRUE(read.Ok) << read.Message.toStdString();
    }

    TrackDatabase database_;
};

TEST_F(StarterDatabase, HoldsThreeTracksOfEveryDifficultyWithTheDefaultSettings)
{
    EXPECT_GE(database_.TrackCount, 30);
    EXPECT_EQ(database_.Settings, (DatabaseSettings{3, 5, 5, 0}));
    std::multiset<int> difficulties;
    std::set<QString> names;
    int fastestHardest = 0;
    for (int n = 1; n <= database_.TrackCount; ++n) {
        const TrackRecord& track = database_.Tracks[n];
        difficulties.insert(track.Difficulty);
        names.insert(track.Name);
        if (track.Difficulty == 10)
            fastestHardest = std::max<int>(fastestHardest, track.StartSpeed);
        EXPECT_FALSE(track.Name.isEmpty());
        EXPECT_LE(track.StartDirection, 7);
        EXPECT_GE(track.StartSpeed, 1);
        EXPECT_LE(track.StartSpeed, 100);
        EXPECT_GE(track.StartLength, 3);
        EXPECT_LE(track.HiddenBonusCount, 50);
    }
    EXPECT_EQ(names.size(), database_.TrackCount) << "track names repeat";
    for (int difficulty = 1; difficulty <= 10; ++difficulty)
        EXPECT_GE(difficulties.count(difficulty), 3u) << "difficulty " << difficulty;
    EXPECT_EQ(*difficulties.begin(), 1);
    EXPECT_EQ(*difficulties.rbegin(), 10);
    EXPECT_GE(fastestHardest, 72) << "the hardest tracks are the fastest";
}

TEST_F(StarterDatabase, EveryTrackPassesValidationAndCanBeFinished)
{
    for (int n = 1; n <= database_.TrackCount; ++n) {
        const TrackRecord& track = database_.Tracks[n];
        SCOPED_TRACE(track.Name.toStdString());
        EXPECT_EQ(TrackErrors(track), QStringList());
        for (const std::string& problem : RouteProblems(track))
            ADD_FAILURE() << problem;
    }
}

TEST_F(StarterDatabase, LayersAgreeAndTheBorderIsClosed)
{
    for (int n = 1; n <= database_.TrackCount; ++n) {
        const TrackRecord& track = database_.Tracks[n];
        SCOPED_TRACE(track.Name.toStdString());
        for (int y = 0; y < TrackHeight; ++y)
            for (int x = 0; x < TrackWidth; ++x) {
                const int block = track.Blocks[BlockIndex(x, y)];
                if (x == 0 || y == 0 || x == TrackWidth - 1 || y == TrackHeight - 1) {
                    EXPECT_EQ(block, Blocks::Border);
                    continue;
                }
                const int ground = track.Ground[GroundIndex(x, y)];
                EXPECT_TRUE(IsGroundCode(ground));
                if (IsGroundCode(block)) {
                    EXPECT_EQ(ground, block);
                }
            }
    }
}

TEST_F(StarterDatabase, UsesEveryBlockOfTheToolbar)
{
    std::set<int> used;
    for (int n = 1; n <= database_.TrackCount; ++n)
        for (int code = 0; code <= 255; ++code)
            if (CountBlocks(database_.Tracks[n], static_cast<std::uint8_t>(code)) > 0)
                used.insert(code);
    for (int code = 0; code <= 255; ++code)  // the blocks with a name are the toolbar's
        if (!BlockName(static_cast<BlockCode>(code)).empty()) {
            EXPECT_TRUE(used.contains(code)) << "block " << code << " is never used";
        }
}

TEST_F(StarterDatabase, FileIsBuiltFromTheCurrentSource)
{
    std::ifstream in(WORM_TRACK_SOURCE);
    std::stringstream text;
    text << in.rdbuf();
    TrackDatabase source;
    std::string file, error;
    ASSERT_TRUE(ReadTrackSource(text.str(), source, file, error)) << error;
    EXPECT_EQ(file, "Vora.wdb");
    ASSERT_EQ(source.TrackCount, database_.TrackCount);
    for (int n = 1; n <= source.TrackCount; ++n)
        EXPECT_EQ(source.Tracks[n], database_.Tracks[n]) << n;
    EXPECT_EQ(database_.SaveCounter, 1);
}

}  // namespace
