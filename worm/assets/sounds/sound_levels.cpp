#include "sound_levels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

// Points looked at between two samples, and the reach of the interpolation.
constexpr int PointsBetweenSamples = 3;
constexpr int InterpolationTaps = 16;

// A Hann-windowed sinc: the weight of a sample at distance u from a point.
double InterpolationWeight(double u) {
  if (u == 0) return 1;
  if (std::abs(u) >= InterpolationTaps) return 0;
  const double x = std::numbers::pi * u;
  return std::sin(x) / x * 0.5 * (1 + std::cos(x / InterpolationTaps));
}

// The band-limited signal at sample index + fraction.
double Interpolated(const std::vector<float>& samples, std::size_t index, double fraction) {
  double sum = 0;
  const auto count = static_cast<std::ptrdiff_t>(samples.size());
  for (int k = 1 - InterpolationTaps; k <= InterpolationTaps; ++k) {
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(index) + k;
    if (at >= 0 && at < count) sum += samples[at] * InterpolationWeight(fraction - k);
  }
  return sum;
}

// One second-order section, direct form I, with a0 = 1.
struct Biquad {
  double b0, b1, b2, a1, a2;
};

// High shelf of the K-weighting: +4 dB above about 1.7 kHz.
Biquad PresenceShelf(int sampleRate) {
  const double f0 = 1681.974450955533, gainDb = 3.999843853973347, q = 0.7071752369554196;
  const double k = std::tan(std::numbers::pi * f0 / sampleRate);
  const double vh = std::pow(10.0, gainDb / 20), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1 + k / q + k * k;
  return {(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
          2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

// High pass of the K-weighting at about 38 Hz.
Biquad LowCut(int sampleRate) {
  const double f0 = 38.13547087602444, q = 0.5003270373238773;
  const double k = std::tan(std::numbers::pi * f0 / sampleRate);
  const double a0 = 1 + k / q + k * k;
  return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0};
}

std::vector<double> Filtered(const std::vector<double>& in, const Biquad& f) {
  std::vector<double> out(in.size());
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (std::size_t i = 0; i < in.size(); ++i) {
    const double y = f.b0 * in[i] + f.b1 * x1 + f.b2 * x2 - f.a1 * y1 - f.a2 * y2;
    x2 = x1;
    x1 = in[i];
    y2 = y1;
    y1 = y;
    out[i] = y;
  }
  return out;
}

// The largest sum of squares over any run of window samples.
double LoudestWindowEnergy(const std::vector<double>& signal, std::size_t window) {
  double sum = 0, best = 0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    sum += signal[i] * signal[i];
    if (i >= window) sum -= signal[i - window] * signal[i - window];
    best = std::max(best, sum);
  }
  return best;
}

}  // namespace

double PeakLevel(const std::vector<float>& samples) {
  double peak = 0;
  for (float s : samples) peak = std::max(peak, static_cast<double>(std::abs(s)));
  return peak;
}

std::vector<double> TruePeaks(const std::vector<float>& samples) {
  std::vector<double> peaks(samples.size());
  for (std::size_t i = 0; i < samples.size(); ++i) {
    double peak = std::abs(samples[i]);
    for (int point = 1; point <= PointsBetweenSamples; ++point)
      peak = std::max(peak, std::abs(Interpolated(samples, i, point / (PointsBetweenSamples + 1.0))));
    peaks[i] = peak;
  }
  return peaks;
}

double TruePeakLevel(const std::vector<float>& samples) {
  const std::vector<double> peaks = TruePeaks(samples);
  return peaks.empty() ? 0 : *std::max_element(peaks.begin(), peaks.end());
}

double DcOffset(const std::vector<float>& samples) {
  if (samples.empty()) return 0;
  return std::accumulate(samples.begin(), samples.end(), 0.0) / samples.size();
}

double ShortTermLoudness(const std::vector<float>& samples, int sampleRate) {
  if (samples.empty()) return -200;
  const std::vector<double> weighted = Filtered(
      Filtered(std::vector<double>(samples.begin(), samples.end()), PresenceShelf(sampleRate)),
      LowCut(sampleRate));
  const std::size_t window = std::min(
      weighted.size(), static_cast<std::size_t>(std::lround(LoudnessWindowSeconds * sampleRate)));
  const double meanSquare = LoudestWindowEnergy(weighted, window) / window;
  return 10 * std::log10(std::max(meanSquare, 1e-20));
}
