#include "midi_file.h"
#include "midi_reader.h"
#include "tune_parser.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const kTwoBars =
    "file T.Mid\n"
    "tempo 120\n"
    "channel 1 program 5 velocity 80\n"
    "channel 10\n"
    "# a comment\n"
    "section A\n"
    "1: c4+e4/h. r/q [g4/e]2 a4/q.! b4/e d#5/e3 eb5/e3 c5/e3\n"
    "10: [bd/q sd/q]4\n"
    "play A A\n";

TEST(TuneParser, ReadsNotesChordsGroupsAndSections)
{
    Tune tune;
    std::string error;
    ASSERT_TRUE(ParseTune(kTwoBars, tune, error)) << error;
    EXPECT_EQ(tune.file, "T.Mid");
    EXPECT_EQ(tune.lengthTicks, 2 * 2 * 4 * kTicksPerQuarter);
    ASSERT_EQ(tune.channels.size(), 2u);
    EXPECT_EQ(tune.channels[0].program, 5);
    // Per play of A: a two-note chord, two g4, a4, b4, three triplets; eight drums.
    ASSERT_EQ(tune.notes.size(), 2u * (2 + 2 + 1 + 1 + 3 + 8));
    std::vector<TuneNote> melody;
    for (const TuneNote& n : tune.notes)
        if (n.channel == 0 && n.tick < tune.lengthTicks / 2)
            melody.push_back(n);
    ASSERT_EQ(melody.size(), 9u);
    EXPECT_EQ(melody[0].key, 60);
    EXPECT_EQ(melody[1].key, 64);
    EXPECT_EQ(melody[1].tick, 0);
    EXPECT_EQ(melody[2].tick, 4 * kTicksPerQuarter);      // after the dotted half and the rest
    EXPECT_EQ(melody[4].velocity, 80 + 25);               // accented a4
    EXPECT_EQ(melody[6].key, 75);                         // d#5
    EXPECT_EQ(melody[7].key, 75);                         // eb5
    EXPECT_EQ(melody[8].tick, 7 * kTicksPerQuarter + 2 * kTicksPerQuarter / 3);
}

TEST(TuneParser, RefusesFaultsWithTheirLine)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"file T.Mid\nchannel 1\nsection A\n1: c4/w c4/q\nplay A\n",
         "section A: channel 1 lasts 2400 ticks, the section 2400 (bars of 1920)"},
        {"file T.Mid\nchannel 1\nchannel 2\nsection A\n1: c4/w\n2: c4/h\nplay A\n",
         "section A: channel 2 lasts 960 ticks, the section 1920 (bars of 1920)"},
        {"file T.Mid\nchannel 1\nsection A\n1: h4/q\n", "line 4: bad note h4/q"},
        {"file T.Mid\nchannel 1\nsection A\n1: c4/x\n", "line 4: bad note c4/x"},
        {"file T.Mid\nchannel 10\nsection A\n10: zz/q\n", "line 4: bad note zz/q"},
        {"file T.Mid\nchannel 1\nsection A\n2: c4/w\n", "line 4: channel 2 is not set up"},
        {"file T.Mid\nchannel 1\nsection A\n1: [c4/q\n", "line 4: unbalanced [ ]"},
        {"file T.Mid\nchannel 1\nsection A\n1: c4/q]\n", "line 4: unbalanced [ ]"},
        {"file T.Mid\nchannel 1\nsection A\n1: [[[[[c4/s]99]99]99]99]99\n",
         "line 4: the repeats make the line longer than 100000 characters"},
        {"file T.Mid\nchannel 1\nsection A\n1: g9/q g#9/q\n", "line 4: bad note g#9/q"},
        {"file T.Mid\nchannel 1\n1: c4/w\n", "line 3: notes outside a section"},
        {"file T.Mid\nchannel 1\nsection A\n1: c4/w\nplay B\n", "play names unknown section B"},
        {"channel 1\nsection A\n1: c4/w\nplay A\n", "no file line"},
        {"file T.Mid\nvolume 3\n", "line 2: unknown keyword volume"},
        {"file T.Mid\ntempo 0\n", "line 2: tempo must be 20..400"},
        {"file T.Mid\nchannel 1 program 128\n", "line 2: program must be 0..127"},
        {"file T.Mid\nchannel 1 volume\n", "line 2: volume must be 0..127"},
        {"file T.Mid\nchannel 1 pan left\n", "line 2: pan must be 0..127"},
        {"file T.Mid\nchannel 1\nsection A\n1: c4/w\nsection\n1: c4/w\n", "line 5: section without a name"},
        {"file T.Mid\nbar 0\n", "line 2: bar must be 1..16"},
        {"file T.Mid\nchannel 1\nsection A\n99999999999: c4/w\n",
         "line 4: channel 99999999999 is not set up"},
    };
    for (const auto& c : cases) {
        Tune tune;
        std::string error;
        EXPECT_FALSE(ParseTune(c.text, tune, error)) << c.text;
        EXPECT_EQ(error, c.error);
    }
}

// Tunes whose lengths or note counts would overflow the arithmetic or the memory.
TEST(TuneParser, RefusesTunesBeyondTheLongestAndLargest)
{
    const std::string head = "file T.Mid\nchannel 1\nsection A\n";
    const auto plays = [](int times) {
        std::string line = "play";
        for (int i = 0; i < times; ++i)
            line += " A";
        return line + "\n";
    };
    const std::string tooLong = "channel 1 lasts longer than 268435455 ticks";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {head + "1: c4/w" + std::string(36, '.') + "\n", "line 4: " + tooLong},
        {head + "1: c4/s" + std::string(60, '.') + "\n", "line 4: " + tooLong},
        {head + "1: c4/w" + std::string(34, '.') + "3\n", "line 4: " + tooLong},
        {head + "1: [r/w" + std::string(29, '.') + "]9\n", "line 4: " + tooLong},
        {head + "1: [[r/w]99]99\n" + plays(115),
         "the play line lasts longer than 268435455 ticks"},
        {head + "1: [[r/w]99]99\n" + plays(14) + plays(1),
         "the play line lasts longer than 268435455 ticks"},
        {head + "1: [[c4+d4+e4+f4+g4+a4+b4+c5/w]99]10\n" + plays(26),
         "the play line plays more than 200000 notes"},
    };
    for (const auto& c : cases) {
        Tune tune;
        std::string error;
        EXPECT_FALSE(ParseTune(c.text, tune, error)) << c.text.substr(0, 80);
        EXPECT_EQ(error, c.error);
    }

    // Just inside the limits: a rest of 14 x 9801 bars and 25 plays of 7920 notes.
    Tune longest;
    std::string error;
    EXPECT_TRUE(ParseTune(head + "1: [[r/w]99]99\n" + plays(14), longest, error)) << error;
    EXPECT_EQ(longest.lengthTicks, 14 * 9801 * 4 * kTicksPerQuarter);
    Tune largest;
    EXPECT_TRUE(ParseTune(head + "1: [[c4+d4+e4+f4+g4+a4+b4+c5/w]99]10\n" + plays(25), largest,
                          error))
        << error;
    EXPECT_EQ(largest.notes.size(), 25u * 7920);
}

TEST(MidiFile, WritesALoopThatEndsOnTheBarLine)
{
    Tune tune;
    std::string error;
    ASSERT_TRUE(ParseTune(kTwoBars, tune, error)) << error;
    MidiSummary midi;
    ASSERT_TRUE(ReadMidiSummary(MidiFileBytes(tune), midi, error)) << error;
    EXPECT_EQ(midi.format, 0);
    EXPECT_EQ(midi.ticksPerQuarter, kTicksPerQuarter);
    EXPECT_EQ(midi.noteOns, static_cast<int>(tune.notes.size()));
    EXPECT_EQ(midi.notesStillOn, 0);
    EXPECT_EQ(midi.unmatchedNoteOffs, 0);
    EXPECT_EQ(midi.endTick, tune.lengthTicks);
    EXPECT_DOUBLE_EQ(midi.seconds, 8.0);  // 16 beats at 120 per minute
}

// A note of a tick still ends before the next one starts; a note of no ticks is refused.
TEST(MidiFile, ShortestNotesEndBeforeTheNextStarts)
{
    const std::string head = "file T.Mid\nchannel 1\nsection A\n";
    Tune tune;
    std::string error;
    ASSERT_TRUE(ParseTune(head + "1: [[c4/s3333333333]40]48\nplay A\n", tune, error)) << error;
    MidiSummary midi;
    ASSERT_TRUE(ReadMidiSummary(MidiFileBytes(tune), midi, error)) << error;
    EXPECT_EQ(midi.noteOns, 1920);
    EXPECT_EQ(midi.notesStillOn, 0);
    EXPECT_EQ(midi.unmatchedNoteOffs, 0);

    EXPECT_FALSE(ParseTune(head + "1: c4/s33333333333 r/w\nplay A\n", tune, error));
    EXPECT_EQ(error, "line 4: bad note c4/s33333333333");
}

// The end of the longest tune lies one four-byte time step after its start.
TEST(MidiFile, WritesTheLongestTimeStep)
{
    Tune tune;
    tune.file = "T.Mid";
    tune.lengthTicks = kMaxTuneTicks;
    const std::vector<unsigned char> bytes = MidiFileBytes(tune);
    const std::vector<unsigned char> end = {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00};
    ASSERT_GE(bytes.size(), end.size());
    EXPECT_TRUE(std::equal(end.begin(), end.end(), bytes.end() - 7));
    MidiSummary midi;
    std::string error;
    ASSERT_TRUE(ReadMidiSummary(bytes, midi, error)) << error;
    EXPECT_EQ(midi.endTick, kMaxTuneTicks);
}

}  // namespace
