#pragma once

#include <cstdint>
#include <vector>

// A small deterministic synthesiser for the game's sound effects.
// Times are in seconds, pitches in Hz, levels 0..1.

constexpr int kSampleRate = 22050;

using Samples = std::vector<float>;

enum class Wave { Sine, Square, Saw, Triangle, Noise };

// Deterministic white-noise source (linear congruential).
class NoiseSource {
public:
    explicit NoiseSource(uint32_t seed) : state_(seed) {}
    float Next();          // uniform in [-1, 1)
    double Uniform();      // uniform in [0, 1)

private:
    uint32_t state_;
};

// One voice: an oscillator gliding exponentially from startHz to endHz, shaped by an
// attack ramp, an exponential decay (decayPerSecond, 0 = none) and a release ramp.
struct Tone {
    Wave wave = Wave::Sine;
    double startHz = 440;
    double endHz = 0;           // 0: same as startHz
    double duration = 0.2;
    double attack = 0.005;
    double release = 0.03;
    double decayPerSecond = 0;
    double volume = 1;
    double vibratoHz = 0;
    double vibratoSemitones = 0;
    double duty = 0.5;          // square waves only; any duty averages to 0
};

Samples Render(const Tone& tone, NoiseSource& noise);

// Second-order filter whose corner moves exponentially from startHz to endHz.
enum class FilterKind { LowPass, HighPass, BandPass };
Samples Filter(const Samples& in, FilterKind kind, double startHz, double endHz, double q);

Samples Silence(double duration);
// Adds source into target starting at atSeconds, growing target as needed.
void MixInto(Samples& target, const Samples& source, double atSeconds, double gain = 1);
// Multiplies by a tremolo of the given rate and depth (0..1).
void Tremolo(Samples& samples, double rateHz, double depth);

// Frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(int midiNote);
