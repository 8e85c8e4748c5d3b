#include "mastering.h"

#include "sound_levels.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

namespace {

// Corner of the DC blocker: below every pitch the effects use.
constexpr double DcCornerHz = 15;
// The limiter turns the gain down this long before a peak and holds it this
// long after, so that it reads as a level change rather than distortion.
constexpr double LimiterAttackSeconds = 0.001;
constexpr double LimiterHoldSeconds = 0.008;
// More limiting than this would squash a sound; it stays quieter instead.
constexpr double MostLimitingDb = 4;
constexpr double EdgeRampSeconds = 0.003;
constexpr int MostLoudnessPasses = 20;
constexpr double LoudnessToleranceDb = 0.02;

int SamplesIn(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

// A one-pole high pass that takes out any DC offset.
Samples WithoutDc(const Samples& in) {
  const double pole = std::exp(-2 * std::numbers::pi * DcCornerHz / kSampleRate);
  Samples out(in.size());
  double previousIn = 0, previousOut = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    previousOut = in[i] - previousIn + pole * previousOut;
    previousIn = in[i];
    out[i] = static_cast<float>(previousOut);
  }
  return out;
}

// For each sample, the least value from before samples back to after samples
// ahead (a sliding minimum).
std::vector<double> SlidingMinimum(const std::vector<double>& values, int before, int after) {
  const int count = static_cast<int>(values.size());
  std::vector<double> out(values.size());
  std::deque<int> candidates;  // indices whose values rise from front to back
  int next = 0;
  for (int i = 0; i < count; ++i) {
    for (; next < count && next <= i + after; ++next) {
      while (!candidates.empty() && values[candidates.back()] >= values[next])
        candidates.pop_back();
      candidates.push_back(next);
    }
    while (candidates.front() < i - before) candidates.pop_front();
    out[i] = values[candidates.front()];
  }
  return out;
}

// For each sample, the mean of the values within radius samples of it.
std::vector<double> SlidingMean(const std::vector<double>& values, int radius) {
  std::vector<double> sums(values.size() + 1, 0);
  for (std::size_t i = 0; i < values.size(); ++i) sums[i + 1] = sums[i] + values[i];
  const int count = static_cast<int>(values.size());
  std::vector<double> out(values.size());
  for (int i = 0; i < count; ++i) {
    const int first = std::max(0, i - radius), last = std::min(count - 1, i + radius);
    // Past the ends the gain counts as that of the nearest sample.
    const double inside = sums[last + 1] - sums[first];
    const double outside = (radius - (i - first)) * values[first] + (radius - (last - i)) * values[last];
    out[i] = (inside + outside) / (2 * radius + 1);
  }
  return out;
}

// The gain for each sample that turns the sound, scaled by gain, down around
// every true peak beyond the ceiling, just enough: each sample's gain is a
// mean of gains no larger than its own need.
std::vector<double> LimitedGains(const std::vector<double>& truePeaks, double gain) {
  std::vector<double> need(truePeaks.size());
  for (std::size_t i = 0; i < need.size(); ++i)
    need[i] = gain * std::min(1.0, PeakCeiling / std::max(1e-9, gain * truePeaks[i]));
  const int attack = SamplesIn(LimiterAttackSeconds);
  return SlidingMean(SlidingMinimum(need, SamplesIn(LimiterHoldSeconds), attack), attack);
}

Samples Scaled(const Samples& in, const std::vector<double>& gains) {
  Samples out(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) out[i] = static_cast<float>(in[i] * gains[i]);
  return out;
}

Samples RampedEdges(Samples samples) {
  const std::size_t ramp = std::min<std::size_t>(SamplesIn(EdgeRampSeconds), samples.size() / 2);
  for (std::size_t i = 0; i < ramp; ++i) {
    const float gain = static_cast<float>(i) / ramp;
    samples[i] *= gain;
    samples[samples.size() - 1 - i] *= gain;
  }
  return samples;
}

}  // namespace

Samples Master(const Samples& raw, double offsetDb) {
  const Samples clean = RampedEdges(WithoutDc(raw));
  const std::vector<double> truePeaks = TruePeaks(clean);
  const double loudestPeak =
      truePeaks.empty() ? 0 : *std::max_element(truePeaks.begin(), truePeaks.end());
  if (loudestPeak <= 0) return clean;  // silence stays silence
  const double mostGain = PeakCeiling * std::pow(10.0, MostLimitingDb / 20) / loudestPeak;
  const double target = TargetLoudness + offsetDb;
  // Limiting takes some loudness away, so the gain is found in a few passes.
  double gain = 1;
  Samples out = Scaled(clean, LimitedGains(truePeaks, gain));
  for (int pass = 0; pass < MostLoudnessPasses; ++pass) {
    const double missing = target - ShortTermLoudness(out, kSampleRate);
    if (std::abs(missing) < LoudnessToleranceDb) break;
    gain = std::min(gain * std::pow(10.0, missing / 20), mostGain);
    out = Scaled(clean, LimitedGains(truePeaks, gain));
  }
  return out;
}
