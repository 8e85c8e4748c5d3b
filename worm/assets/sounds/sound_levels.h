// Levels of a mono sound (samples -1..1): peak, DC offset and loudness.
#pragma once

#include <vector>

// The loudness window: about as long as the ear sums a short sound over.
constexpr double LoudnessWindowSeconds = 0.1;

// The largest absolute sample.
double PeakLevel(const std::vector<float>& samples);
// For each sample, the largest absolute value of the band-limited signal from
// that sample up to the next one: what a converter to a higher rate can reach.
std::vector<double> TruePeaks(const std::vector<float>& samples);
// The largest of the true peaks.
double TruePeakLevel(const std::vector<float>& samples);
// The mean sample, as a fraction of full scale.
double DcOffset(const std::vector<float>& samples);
// Short-term loudness in dB of full scale: the mean square of the K-weighted
// signal over its loudest window (the whole sound when shorter). The
// weighting cuts the lows the ear hardly hears and lifts the presence range.
double ShortTermLoudness(const std::vector<float>& samples, int sampleRate);
