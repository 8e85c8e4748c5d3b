// The measures the sound test relies on: loudness that follows level,
// weighting and the loudest window, and peaks between the samples.
#include "sound_levels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int Rate = 22050;

std::vector<float> Sine(double hz, double amplitude, double seconds, double phase = 0) {
  std::vector<float> out(static_cast<std::size_t>(seconds * Rate));
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * i / Rate + phase));
  return out;
}

std::vector<float> Joined(std::vector<float> first, const std::vector<float>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

struct LoudnessCase {
  const char* name;
  std::vector<float> sound;
  double expectedDb;
};

// A full-scale 1 kHz sine reads about -2.3 dB: its mean square (-3 dB) plus
// the weighting's +0.7 dB at 1 kHz.
TEST(SoundLevels, LoudnessFollowsLevelWeightingAndTheLoudestWindow) {
  const std::vector<float> silence(Rate, 0.0f);
  const LoudnessCase cases[] = {
      {"1 kHz at full scale", Sine(1000, 1, 1), -2.3},
      {"1 kHz at half scale", Sine(1000, 0.5, 1), -8.3},
      {"40 Hz, mostly below the weighting", Sine(40, 1, 1), -8.5},
      {"4 kHz, lifted by the weighting", Sine(4000, 1, 1), 0.8},
      {"a short tone before silence counts by itself", Joined(Sine(1000, 1, 0.2), silence), -2.3},
      {"a tone shorter than the window counts over its length", Sine(1000, 1, 0.05), -2.3},
      {"a loud moment counts, not the quiet rest",
       Joined(Sine(1000, 0.25, 1), Sine(1000, 1, 0.2)), -2.3},
  };
  for (const LoudnessCase& c : cases)
    EXPECT_NEAR(ShortTermLoudness(c.sound, Rate), c.expectedDb, 0.5) << c.name;
}

TEST(SoundLevels, SilenceIsFarBelowEverything) {
  EXPECT_LT(ShortTermLoudness(std::vector<float>(1000, 0.0f), Rate), -150);
  EXPECT_LT(ShortTermLoudness({}, Rate), -150);
}

// A sine at a quarter of the rate, sampled 45 degrees off its crests: every
// sample is at 0.707, the wave between every other pair of them reaches 1
// (away from its abrupt ends, where the band-limited wave overshoots further).
TEST(SoundLevels, TruePeakFindsTheCrestBetweenSamples) {
  const std::vector<float> sound = Sine(Rate / 4.0, 1, 0.1, std::numbers::pi / 4);
  EXPECT_NEAR(PeakLevel(sound), 0.707, 0.001);
  const std::vector<double> peaks = TruePeaks(sound);
  ASSERT_EQ(peaks.size(), sound.size());
  for (std::size_t i = sound.size() / 4; i < sound.size() * 3 / 4; ++i) {
    ASSERT_LT(peaks[i], 1.01) << i;
    ASSERT_GT(std::max(peaks[i], peaks[i + 1]), 0.99) << i;
  }
  EXPECT_GE(TruePeakLevel(sound), 1.0);
}

TEST(SoundLevels, DcOffsetIsTheMeanSample) {
  EXPECT_NEAR(DcOffset(Joined(Sine(500, 0.5, 0.2), std::vector<float>(100, 0.3f))),
              0.3 * 100 / (0.2 * Rate + 100), 1e-3);
  EXPECT_EQ(DcOffset({}), 0);
}

}  // namespace
