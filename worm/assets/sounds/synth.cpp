#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

int SampleCount(double seconds)
{
    return std::max(0, static_cast<int>(std::lround(seconds * kSampleRate)));
}

double Oscillator(Wave wave, double phase, double duty, NoiseSource& noise)
{
    const double cycle = phase - std::floor(phase);
    switch (wave) {
    case Wave::Sine: return std::sin(kTwoPi * cycle);
    case Wave::Square: return (cycle < duty ? 1.0 : -1.0) + 1 - 2 * duty;
    case Wave::Saw: return 2 * cycle - 1;
    case Wave::Triangle: return cycle < 0.5 ? 4 * cycle - 1 : 3 - 4 * cycle;
    case Wave::Noise: return noise.Next();
    }
    return 0;
}

double Envelope(const Tone& tone, double t)
{
    double level = tone.decayPerSecond > 0 ? std::exp(-tone.decayPerSecond * t) : 1.0;
    if (tone.attack > 0 && t < tone.attack)
        level *= t / tone.attack;
    const double left = tone.duration - t;
    if (tone.release > 0 && left < tone.release)
        level *= std::max(0.0, left / tone.release);
    return level;
}

}  // namespace

float NoiseSource::Next()
{
    return static_cast<float>(Uniform() * 2 - 1);
}

double NoiseSource::Uniform()
{
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0;
}

Samples Render(const Tone& tone, NoiseSource& noise)
{
    Samples out(SampleCount(tone.duration));
    const double endHz = tone.endHz > 0 ? tone.endHz : tone.startHz;
    const double ratio = std::log(endHz / tone.startHz);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double hz = tone.startHz * std::exp(ratio * t / tone.duration);
        if (tone.vibratoHz > 0)
            hz *= std::pow(2.0, tone.vibratoSemitones / 12 * std::sin(kTwoPi * tone.vibratoHz * t));
        out[i] = static_cast<float>(tone.volume * Envelope(tone, t) *
                                    Oscillator(tone.wave, phase, tone.duty, noise));
        phase += hz / kSampleRate;
    }
    return out;
}

Samples Filter(const Samples& in, FilterKind kind, double startHz, double endHz, double q)
{
    Samples out(in.size());
    const double ratio = std::log(endHz / startHz);
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < in.size(); ++i) {
        const double progress = in.size() > 1 ? static_cast<double>(i) / (in.size() - 1) : 0;
        const double hz = std::min(startHz * std::exp(ratio * progress), kSampleRate * 0.45);
        const double w = kTwoPi * hz / kSampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double cosw = std::cos(w);
        double b0, b1, b2;
        switch (kind) {
        case FilterKind::LowPass: b0 = (1 - cosw) / 2; b1 = 1 - cosw; b2 = b0; break;
        case FilterKind::HighPass: b0 = (1 + cosw) / 2; b1 = -(1 + cosw); b2 = b0; break;
        default: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        const double a0 = 1 + alpha, a1 = -2 * cosw, a2 = 1 - alpha;
        const double x0 = in[i];
        const double y0 = (b0 * x0 + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1; x1 = x0; y2 = y1; y1 = y0;
        out[i] = static_cast<float>(y0);
    }
    return out;
}

Samples Silence(double duration)
{
    return Samples(SampleCount(duration));
}

void MixInto(Samples& target, const Samples& source, double atSeconds, double gain)
{
    const size_t start = SampleCount(atSeconds);
    if (target.size() < start + source.size())
        target.resize(start + source.size());
    for (size_t i = 0; i < source.size(); ++i)
        target[start + i] += static_cast<float>(source[i] * gain);
}

void Tremolo(Samples& samples, double rateHz, double depth)
{
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        samples[i] *= static_cast<float>(1 - depth * 0.5 * (1 - std::cos(kTwoPi * rateHz * t)));
    }
}

double NoteHz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}
