#include "core/sound_bank.h"
#include "data_folder.h"
#include "platform/sdl_sound_bank.h"
#include "sound_levels.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <set>

namespace {

// The loudest tune's peak as the mixer plays it at full music volume, in
// fractions of full scale; the mixer scales it by the music volume.
// worm/tools/measure_mix measures it (Vora5.Mid: 0.362 at volume 40).
constexpr double LoudestTunePeakAtFullVolume = 1.17;
// Effects are mastered to one loudness, give or take this much.
constexpr double LoudnessBandDb = 3;

struct WaveData {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples;

    // The samples as fractions of full scale.
    std::vector<float> levels() const
    {
        std::vector<float> out;
        for (int16_t s : samples)
            out.push_back(s / 32768.0f);
        return out;
    }
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

WaveData LoadSound(const char* file)
{
    WaveData wave;
    EXPECT_TRUE(ReadWave(ReadBytes(SoundFolder() + file), wave)) << file;
    return wave;
}

TEST(SoundFiles, EverySlotIsAShortMonoWaveStartingAndEndingAtRest)
{
    for (const char* file : SoundFileNames) {
        SCOPED_TRACE(file);
        WaveData wave;
        ASSERT_TRUE(ReadWave(ReadBytes(SoundFolder() + file), wave));
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_EQ(wave.sampleRate, 22050);
        const double seconds = static_cast<double>(wave.samples.size()) / wave.sampleRate;
        EXPECT_GE(seconds, 0.04);
        EXPECT_LE(seconds, 3.5);
        // Starting and ending at rest: no click when a sound starts or is cut.
        EXPECT_LT(std::abs(wave.samples.front()), 300);
        EXPECT_LT(std::abs(wave.samples.back()), 300);
    }
}

// No effect shouts over the others, and none carries a DC offset, which would
// eat headroom and add up where effects overlap.
TEST(SoundFiles, EveryEffectIsEquallyLoudWithoutDcOffset)
{
    double loudest = -200, quietest = 0;
    for (const char* file : SoundFileNames) {
        SCOPED_TRACE(file);
        const std::vector<float> levels = LoadSound(file).levels();
        EXPECT_LT(std::abs(DcOffset(levels)), 0.01);
        EXPECT_GT(PeakLevel(levels), 0.1) << "nearly silent";
        const double loudness = ShortTermLoudness(levels, 22050);
        loudest = std::max(loudest, loudness);
        quietest = std::min(quietest, loudness);
    }
    EXPECT_LE(loudest - quietest, LoudnessBandDb)
        << "loudest " << loudest << " dB, quietest " << quietest << " dB";
}

// Worst case: the two effects with the highest true peaks meet at those peaks,
// at the effect volume, on the loudest moment of the loudest tune.
TEST(SoundFiles, TwoEffectsOverTheMusicStayUnderFullScale)
{
    std::vector<double> peaks;
    for (const char* file : SoundFileNames)
        peaks.push_back(TruePeakLevel(LoadSound(file).levels()));
    std::sort(peaks.rbegin(), peaks.rend());
    const double effects = (peaks[0] + peaks[1]) * EffectVolume / MIX_MAX_VOLUME;
    const double music = LoudestTunePeakAtFullVolume * MusicVolume / MIX_MAX_VOLUME;
    EXPECT_LT(effects + music, 1.0) << "effects " << effects << ", music " << music;
}

TEST(SoundFiles, EverySlotSoundsDifferent)
{
    std::set<std::vector<unsigned char>> contents;
    for (const char* file : SoundFileNames)
        EXPECT_TRUE(contents.insert(ReadBytes(SoundFolder() + file)).second) << file << " repeats a sound";
}

TEST(SoundFiles, TheMixerDecodesEverySlot)
{
    ASSERT_EQ(SDL_setenv("SDL_AUDIODRIVER", "dummy", 1), 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    for (const char* file : SoundFileNames) {
        Mix_Chunk* chunk = Mix_LoadWAV((SoundFolder() + file).c_str());
        EXPECT_NE(chunk, nullptr) << file << ": " << Mix_GetError();
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

}  // namespace
