#include "data_folder.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

namespace {

// The sound bank, slot by slot.
const char* const kSoundFiles[34] = {
    "Applaus.wav", "Bonus.wav",    "Break.wav",    "Door.wav",     "Eat1.wav",
    "Eat2.wav",    "Eat3.wav",     "Eat4.wav",     "Fanfare1.wav", "Fanfare2.wav",
    "Go.wav",      "Grid.wav",     "Gulp.wav",     "Help.wav",     "Hit1.wav",
    "Hit2.wav",    "Hit3.wav",     "Hit4.wav",     "Key.wav",      "Killed.wav",
    "LavaPain.wav", "Pip.wav",     "Plopp.wav",    "Remove.wav",   "Selected.wav",
    "Siren.wav",   "Skid.wav",     "Spinner.wav",  "Stamp.wav",    "WallBreak.wav",
    "WaterIn.wav", "WaterOut.wav", "Turbo.wav",    "Xlife.wav",
};

struct WaveData {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples;
};

uint32_t Le(const std::vector<unsigned char>& b, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | b[at + i];
    return value;
}

// Reads a canonical PCM WAVE file; false when its chunks do not add up.
bool ReadWave(const std::vector<unsigned char>& b, WaveData& wave)
{
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0 || Le(b, 4, 4) != b.size() - 8)
        return false;
    if (std::memcmp(b.data() + 12, "fmt ", 4) != 0 || Le(b, 16, 4) != 16 || Le(b, 20, 2) != 1)
        return false;
    wave.channels = static_cast<int>(Le(b, 22, 2));
    wave.sampleRate = static_cast<int>(Le(b, 24, 4));
    wave.bitsPerSample = static_cast<int>(Le(b, 34, 2));
    if (std::memcmp(b.data() + 36, "data", 4) != 0 || Le(b, 40, 4) != b.size() - 44)
        return false;
    for (size_t at = 44; at + 1 < b.size(); at += 2)
        wave.samples.push_back(static_cast<int16_t>(Le(b, at, 2)));
    return true;
}

TEST(SoundFiles, EverySlotIsAShortCleanMonoWave)
{
    for (const char* file : kSoundFiles) {
        SCOPED_TRACE(file);
        WaveData wave;
        ASSERT_TRUE(ReadWave(ReadBytes(SoundFolder() + file), wave));
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_EQ(wave.sampleRate, 22050);
        const double seconds = static_cast<double>(wave.samples.size()) / wave.sampleRate;
        EXPECT_GE(seconds, 0.04);
        EXPECT_LE(seconds, 3.5);
        int peak = 0;
        for (int16_t s : wave.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 16000) << "too quiet";
        EXPECT_LT(peak, 32767) << "clipped";
        // Starting and ending at rest: no click when a sound starts or is cut.
        EXPECT_LT(std::abs(wave.samples.front()), 300);
        EXPECT_LT(std::abs(wave.samples.back()), 300);
    }
}

TEST(SoundFiles, EverySlotSoundsDifferent)
{
    std::set<std::vector<unsigned char>> contents;
    for (const char* file : kSoundFiles)
        EXPECT_TRUE(contents.insert(ReadBytes(SoundFolder() + file)).second) << file << " repeats a sound";
}

TEST(SoundFiles, TheMixerDecodesEverySlot)
{
    ASSERT_EQ(SDL_setenv("SDL_AUDIODRIVER", "dummy", 1), 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const char* file : kSoundFiles) {
        Mix_Chunk* chunk = Mix_LoadWAV((SoundFolder() + file).c_str());
        EXPECT_NE(chunk, nullptr) << file << ": " << Mix_GetError();
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace
