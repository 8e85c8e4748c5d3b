#include "data_folder.h"
#include "midi_reader.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace {

const char* const kTunes[] = {"Vora1.Mid", "Vora2.Mid", "Vora3.Mid", "Vora4.Mid",
                              "Vora5.Mid", "Main.Mid",  "High.Mid",  "TheEnd.Mid"};

TEST(TuneFiles, EveryTuneIsAWholeLoopOfThirtyToNinetySeconds)
{
    for (const char* tune : kTunes) {
        SCOPED_TRACE(tune);
        MidiSummary midi;
        std::string error;
        ASSERT_TRUE(ReadMidiSummary(ReadBytes(SoundFolder() + tune), midi, error)) << error;
        EXPECT_GE(midi.seconds, 30);
        EXPECT_LE(midi.seconds, 90);
        EXPECT_GT(midi.noteOns, 100);
        // A loop restarts cleanly when notes start at once, all end by the end of the
        // track, and the track ends on a bar line.
        EXPECT_EQ(midi.firstNoteTick, 0);
        EXPECT_EQ(midi.notesStillOn, 0);
        EXPECT_EQ(midi.unmatchedNoteOffs, 0);
        EXPECT_LE(midi.lastNoteOffTick, midi.endTick);
        EXPECT_EQ(midi.endTick % (midi.ticksPerQuarter * midi.beatsPerBar), 0);
        EXPECT_TRUE(midi.channelsWithoutProgram.empty()) << "a channel plays without an instrument";
    }
}

TEST(TuneFiles, ReaderRefusesDamagedFiles)
{
    std::vector<unsigned char> bytes = ReadBytes(SoundFolder() + "Main.Mid");
    ASSERT_GT(bytes.size(), 100u);
    MidiSummary midi;
    std::string error;
    const std::vector<unsigned char> truncated(bytes.begin(), bytes.begin() + 60);
    EXPECT_FALSE(ReadMidiSummary(truncated, midi, error));
    bytes[0] = 'X';
    EXPECT_FALSE(ReadMidiSummary(bytes, midi, error));
}

// Plays each tune on the disk audio driver and checks what reached the "speaker".
class TunePlayback : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        output_ = folder_.filePath("audio.raw").toStdString();
        SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
        SDL_setenv("SDL_DISKAUDIOFILE", output_.c_str(), 1);
        SDL_setenv("SDL_DISKAUDIODELAY", "2", 1);  // several times faster than real time
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }

    void TearDown() override
    {
        Mix_CloseAudio();
        SDL_Quit();
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    uintmax_t OutputSize() const
    {
        std::error_code ignored;
        const uintmax_t size = std::filesystem::file_size(output_, ignored);
        return ignored ? 0 : size;
    }

    // The loudest sample written between two offsets of the output file.
    int Peak(uintmax_t from, uintmax_t to) const
    {
        const std::vector<unsigned char> bytes = ReadBytes(output_);
        int peak = 0;
        for (uintmax_t at = from & ~uintmax_t{1}; at + 1 < std::min<uintmax_t>(to, bytes.size());
             at += 2)
            peak = std::max(peak, std::abs(static_cast<int>(
                                      static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8))));
        return peak;
    }

    QTemporaryDir folder_;
    std::string output_;
};

TEST_F(TunePlayback, EveryTunePlaysAudibly)
{
    constexpr uintmax_t kTwoSeconds = 2 * 22050 * 2 * 2;
    for (const char* tune : kTunes) {
        SCOPED_TRACE(tune);
        Mix_Music* music = Mix_LoadMUS((SoundFolder() + tune).c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        const uintmax_t start = OutputSize();
        ASSERT_EQ(Mix_PlayMusic(music, 0), 0) << Mix_GetError();
        const Uint32 deadline = SDL_GetTicks() + 15000;
        while (OutputSize() < start + kTwoSeconds && SDL_GetTicks() < deadline)
            SDL_Delay(10);
        EXPECT_TRUE(Mix_PlayingMusic());
        Mix_HaltMusic();
        Mix_FreeMusic(music);
        EXPECT_GT(Peak(start, OutputSize()), 3000) << "silent";
    }
}

}  // namespace
