#include "sound_effects.h"

#include <cmath>
#include <initializer_list>

namespace {

Samples MakeTone(const Tone& tone, uint32_t seed = 1)
{
    NoiseSource noise(seed);
    return Render(tone, noise);
}

// A run of notes (MIDI numbers), each starting step seconds after the one before.
Samples NoteRun(std::initializer_list<int> notes, double step, Tone tone)
{
    Samples out;
    double at = 0;
    for (int note : notes) {
        tone.startHz = NoteHz(note);
        tone.endHz = 0;
        MixInto(out, MakeTone(tone), at);
        at += step;
    }
    return out;
}

// A bell-like note: a sine with two quieter inharmonic partials.
Samples Bell(int note, double duration, double decay)
{
    Samples out;
    const double partials[][2] = {{1.0, 1.0}, {2.76, 0.35}, {5.4, 0.15}};
    for (const auto& [ratio, level] : partials)
        MixInto(out, MakeTone({.startHz = NoteHz(note) * ratio, .duration = duration,
                               .attack = 0.002, .release = 0.02,
                               .decayPerSecond = decay * ratio, .volume = level}), 0);
    return out;
}

// A short filtered noise burst.
Samples NoiseBurst(double duration, FilterKind kind, double startHz, double endHz, double q,
                   double decay, uint32_t seed)
{
    const Samples raw = MakeTone({.wave = Wave::Noise, .duration = duration, .attack = 0.001,
                                  .release = 0.01, .decayPerSecond = decay}, seed);
    return Filter(raw, kind, startHz, endHz, q);
}

// A brass-like note: a saw wave through a low-pass that opens with the attack.
Samples Brass(int note, double duration)
{
    const Samples raw = MakeTone({.wave = Wave::Saw, .startHz = NoteHz(note), .duration = duration,
                                  .attack = 0.03, .release = 0.08, .vibratoHz = 5.5,
                                  .vibratoSemitones = 0.08});
    return Filter(raw, FilterKind::LowPass, 900, 2600, 0.9);
}

Samples Fanfare(std::initializer_list<std::pair<int, double>> notes, double beat)
{
    Samples out;
    double at = 0;
    for (const auto& [note, beats] : notes) {
        MixInto(out, Brass(note, beats * beat * 0.95), at);
        MixInto(out, Brass(note - 12, beats * beat * 0.95), at, 0.5);
        at += beats * beat;
    }
    return out;
}

Samples Applause()
{
    Samples out = Silence(3.2);
    NoiseSource chance(77);
    for (int clap = 0; clap < 420; ++clap) {
        const double at = chance.Uniform() * 3.0;
        const double swell = at < 0.4 ? at / 0.4 : (at > 2.3 ? (3.0 - at) / 0.7 : 1.0);
        const double centre = 900 + 1400 * chance.Uniform();
        MixInto(out, NoiseBurst(0.06, FilterKind::BandPass, centre, centre * 0.8, 1.6, 70,
                                static_cast<uint32_t>(clap + 1000)),
                at, swell * (0.5 + 0.5 * chance.Uniform()));
    }
    return out;
}

Samples BonusChime()
{
    Samples out;
    const int notes[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i)
        MixInto(out, Bell(notes[i], 0.45, 7), i * 0.06);
    return out;
}

Samples BrakeSqueal()
{
    Samples out = MakeTone({.wave = Wave::Saw, .startHz = 1900, .endHz = 1500, .duration = 0.45,
                            .attack = 0.02, .release = 0.12, .volume = 0.5, .vibratoHz = 23,
                            .vibratoSemitones = 0.5});
    out = Filter(out, FilterKind::BandPass, 1800, 1500, 3);
    MixInto(out, NoiseBurst(0.45, FilterKind::BandPass, 3000, 2000, 1.5, 3, 2), 0, 0.6);
    return out;
}

Samples DoorOpen()
{
    Samples creak = MakeTone({.wave = Wave::Square, .startHz = 95, .endHz = 140, .duration = 0.35,
                              .attack = 0.03, .release = 0.05, .vibratoHz = 31,
                              .vibratoSemitones = 1.5, .duty = 0.2});
    creak = Filter(creak, FilterKind::BandPass, 700, 1100, 2.5);
    Samples out = creak;
    MixInto(out, MakeTone({.startHz = 120, .endHz = 60, .duration = 0.18, .attack = 0.001,
                           .decayPerSecond = 18}), 0.33);
    MixInto(out, NoiseBurst(0.08, FilterKind::LowPass, 1500, 400, 0.7, 40, 3), 0.33, 0.8);
    return out;
}

// A bite: a crunchy noise burst with a short falling "chomp" tone just after
// its start, so that the two do not peak together.
Samples Bite(double crunchHz, int chompNote, int bites, uint32_t seed)
{
    Samples out;
    for (int i = 0; i < bites; ++i) {
        const double at = i * 0.085;
        MixInto(out, NoiseBurst(0.07, FilterKind::BandPass, crunchHz, crunchHz * 0.6, 1.2, 28,
                                seed + i), at);
        MixInto(out, MakeTone({.wave = Wave::Triangle, .startHz = NoteHz(chompNote - 2 * i),
                               .endHz = NoteHz(chompNote - 2 * i - 7), .duration = 0.06,
                               .attack = 0.006, .decayPerSecond = 30}), at + 0.004, 0.7);
    }
    return out;
}

Samples Eat1() { return Bite(2600, 67, 2, 11); }
Samples Eat2() { return Bite(1800, 62, 3, 21); }
Samples Eat3() { return Bite(3400, 72, 1, 31); }
Samples Eat4() { return Bite(2200, 60, 2, 41); }

Samples TrackFanfare()
{
    return Fanfare({{67, 0.5}, {72, 0.5}, {76, 0.5}, {79, 1}, {76, 0.5}, {79, 2.5}}, 0.16);
}

Samples HighScoreFanfare()
{
    return Fanfare({{60, 0.5}, {60, 0.5}, {60, 0.5}, {64, 1.5}, {62, 0.5}, {65, 1.5},
                    {64, 0.5}, {67, 0.5}, {72, 3}},
                   0.15);
}

Samples GoSignal()
{
    Tone blip{.wave = Wave::Square, .duration = 0.12, .attack = 0.003, .release = 0.03,
              .volume = 0.6};
    Samples out = NoteRun({72, 79}, 0.1, blip);
    MixInto(out, MakeTone({.wave = Wave::Square, .startHz = NoteHz(84), .duration = 0.28,
                           .release = 0.12, .volume = 0.6}), 0.2);
    return Filter(out, FilterKind::LowPass, 4000, 4000, 0.7);
}

Samples GridClose()
{
    Samples buzz = MakeTone({.wave = Wave::Saw, .startHz = 220, .endHz = 70, .duration = 0.6,
                             .attack = 0.01, .release = 0.1});
    Tremolo(buzz, 18, 0.8);
    Samples out = Filter(buzz, FilterKind::LowPass, 3000, 500, 1.2);
    MixInto(out, Bell(45, 0.4, 9), 0.55, 0.9);
    MixInto(out, NoiseBurst(0.1, FilterKind::LowPass, 2500, 600, 0.8, 30, 5), 0.55, 0.7);
    return out;
}

// A bubble: a sine whose pitch rises quickly as it decays.
Samples Bubble(double hz, double duration)
{
    return MakeTone({.startHz = hz, .endHz = hz * 2.2, .duration = duration, .attack = 0.002,
                     .release = 0.01, .decayPerSecond = 4 / duration});
}

Samples Gulp()
{
    Samples out = MakeTone({.startHz = 180, .endHz = 90, .duration = 0.22, .attack = 0.01,
                            .decayPerSecond = 9});
    MixInto(out, Bubble(400, 0.08), 0.12, 0.7);
    MixInto(out, Bubble(520, 0.07), 0.2, 0.6);
    MixInto(out, Bubble(330, 0.09), 0.27, 0.6);
    return out;
}

Samples HelpPickup()
{
    Samples out = MakeTone({.wave = Wave::Triangle, .startHz = 400, .endHz = 1600, .duration = 0.3,
                            .release = 0.05, .vibratoHz = 30, .vibratoSemitones = 0.6});
    MixInto(out, Bell(88, 0.4, 8), 0.22, 0.6);
    MixInto(out, Bell(91, 0.4, 8), 0.3, 0.5);
    return out;
}

// A hit: a falling low thump and a noisy smack.
Samples Thump(double startHz, double smackHz, double smackLevel, uint32_t seed)
{
    Samples out = MakeTone({.startHz = startHz, .endHz = startHz * 0.4, .duration = 0.25,
                            .attack = 0.001, .decayPerSecond = 16});
    MixInto(out, NoiseBurst(0.09, FilterKind::LowPass, smackHz, smackHz * 0.3, 0.9, 45, seed), 0,
            smackLevel);
    return out;
}

Samples Hit1() { return Thump(160, 2500, 0.9, 51); }
Samples Hit2() { return Thump(120, 1500, 1.2, 52); }
Samples Hit3() { return Thump(210, 4000, 0.7, 53); }

Samples Hit4()
{
    Samples out = Thump(140, 2000, 0.8, 54);
    MixInto(out, Bell(79, 0.3, 14), 0.005, 0.55);  // a metallic bonk
    return out;
}

Samples KeyJingle()
{
    Samples out;
    const int notes[] = {91, 96, 93, 98};
    for (int i = 0; i < 4; ++i)
        MixInto(out, Bell(notes[i], 0.3, 12), i * 0.055, 0.8);
    return out;
}

Samples KilledWail()
{
    Samples out;
    Tone tone{.wave = Wave::Square, .duration = 0.32, .attack = 0.01, .release = 0.06,
              .volume = 0.6, .vibratoHz = 6, .vibratoSemitones = 0.3, .duty = 0.3};
    const int notes[] = {67, 66, 65};
    for (int i = 0; i < 3; ++i) {
        tone.startHz = NoteHz(notes[i]);
        MixInto(out, MakeTone(tone), i * 0.3);
    }
    tone.startHz = NoteHz(64);
    tone.endHz = NoteHz(52);
    tone.duration = 0.9;
    tone.release = 0.4;
    MixInto(out, MakeTone(tone), 0.9);
    return Filter(out, FilterKind::LowPass, 2500, 900, 0.8);
}

Samples LavaPain()
{
    Samples out = NoiseBurst(0.5, FilterKind::HighPass, 2500, 5000, 0.8, 5, 61);
    Tremolo(out, 37, 0.6);
    MixInto(out, MakeTone({.wave = Wave::Triangle, .startHz = 700, .endHz = 350, .duration = 0.3,
                           .attack = 0.01, .release = 0.08, .vibratoHz = 12,
                           .vibratoSemitones = 0.7}), 0.02, 0.8);
    return out;
}

Samples Pip()
{
    return MakeTone({.wave = Wave::Square, .startHz = 1320, .duration = 0.05, .attack = 0.002,
                     .release = 0.015, .duty = 0.25});
}

Samples Plopp()
{
    Samples out = MakeTone({.startHz = 900, .endHz = 220, .duration = 0.12, .attack = 0.001,
                            .decayPerSecond = 20});
    MixInto(out, Bubble(600, 0.06), 0.06, 0.4);
    return out;
}

Samples RemoveSwoosh()
{
    Samples out = MakeTone({.wave = Wave::Triangle, .startHz = 1200, .endHz = 300, .duration = 0.16,
                            .attack = 0.003, .release = 0.04});
    MixInto(out, NoiseBurst(0.16, FilterKind::BandPass, 4000, 900, 2, 8, 71), 0, 0.5);
    return out;
}

Samples SelectedDing()
{
    Samples out = Bell(81, 0.35, 9);
    MixInto(out, Bell(88, 0.5, 7), 0.08);
    return out;
}

Samples Siren()
{
    Samples out = MakeTone({.wave = Wave::Square, .startHz = 700, .duration = 1.6, .attack = 0.05,
                            .release = 0.2, .volume = 0.7, .vibratoHz = 1.6, .vibratoSemitones = 6,
                            .duty = 0.4});
    return Filter(out, FilterKind::LowPass, 2500, 2500, 0.8);
}

Samples Skid()
{
    Samples squeal = MakeTone({.wave = Wave::Saw, .startHz = 1100, .endHz = 800, .duration = 0.8,
                               .attack = 0.02, .release = 0.25, .vibratoHz = 17,
                               .vibratoSemitones = 0.8});
    Samples out = Filter(squeal, FilterKind::BandPass, 1200, 800, 4);
    MixInto(out, NoiseBurst(0.8, FilterKind::BandPass, 2200, 700, 1.5, 2.5, 81), 0, 1.2);
    return out;
}

Samples SpinnerWhirl()
{
    Samples out = MakeTone({.wave = Wave::Triangle, .startHz = 300, .endHz = 1200, .duration = 0.55,
                            .attack = 0.01, .release = 0.15, .vibratoHz = 14,
                            .vibratoSemitones = 4});
    Tremolo(out, 14, 0.5);
    return out;
}

Samples StampThunk()
{
    Samples out = MakeTone({.startHz = 170, .endHz = 70, .duration = 0.15, .attack = 0.002,
                            .decayPerSecond = 25});
    MixInto(out, NoiseBurst(0.04, FilterKind::BandPass, 1800, 1200, 0.9, 60, 91), 0.003, 0.9);
    return out;
}

Samples WallBreak()
{
    Samples out = MakeTone({.startHz = 90, .endHz = 45, .duration = 0.3, .attack = 0.001,
                            .decayPerSecond = 12});
    NoiseSource chance(99);
    for (int piece = 0; piece < 14; ++piece) {
        const double at = 0.04 * piece + 0.02 * chance.Uniform();
        const double centre = 600 + 2600 * chance.Uniform();
        MixInto(out, NoiseBurst(0.07, FilterKind::BandPass, centre, centre * 0.7, 1.8, 50,
                                static_cast<uint32_t>(piece + 100)),
                at, 1.0 - piece * 0.06);
    }
    return out;
}

Samples Splash(double startHz, double endHz, uint32_t seed)
{
    Samples out = NoiseBurst(0.45, FilterKind::LowPass, startHz, endHz, 1.2, 7, seed);
    MixInto(out, Bubble(450, 0.07), 0.18, 0.35);
    MixInto(out, Bubble(620, 0.06), 0.28, 0.3);
    MixInto(out, Bubble(380, 0.08), 0.36, 0.3);
    return out;
}

Samples WaterIn()
{
    return Splash(5000, 500, 111);
}

Samples WaterOut()
{
    Samples out = Splash(700, 4500, 121);
    MixInto(out, MakeTone({.startHz = 1400, .endHz = 2400, .duration = 0.05, .attack = 0.002,
                           .decayPerSecond = 40}), 0.42, 0.4);  // a last drip
    return out;
}

Samples TurboRev()
{
    Samples engine = MakeTone({.wave = Wave::Saw, .startHz = 70, .endHz = 260, .duration = 0.75,
                               .attack = 0.02, .release = 0.2});
    Samples out = Filter(engine, FilterKind::LowPass, 500, 2500, 1.5);
    MixInto(out, NoiseBurst(0.75, FilterKind::BandPass, 800, 3000, 1, 2, 131), 0, 0.5);
    return out;
}

Samples ExtraLife()
{
    Tone note{.wave = Wave::Square, .duration = 0.11, .attack = 0.003, .release = 0.03,
              .volume = 0.5, .duty = 0.25};
    Samples out = NoteRun({76, 79, 88, 84, 86, 91}, 0.09, note);
    MixInto(out, Bell(96, 0.5, 6), 0.54, 0.5);
    return out;
}

}  // namespace

const std::vector<SoundEffect>& SoundEffects()
{
    // Slot n of the sound bank holds entry n.
    static const std::vector<SoundEffect> effects = {
        {"Applaus.wav", Applause},         {"Bonus.wav", BonusChime},
        {"Break.wav", BrakeSqueal},        {"Door.wav", DoorOpen},
        {"Eat1.wav", Eat1},                {"Eat2.wav", Eat2},
        {"Eat3.wav", Eat3},                {"Eat4.wav", Eat4},
        {"Fanfare1.wav", TrackFanfare},    {"Fanfare2.wav", HighScoreFanfare},
        {"Go.wav", GoSignal},              {"Grid.wav", GridClose},
        {"Gulp.wav", Gulp},                {"Help.wav", HelpPickup},
        {"Hit1.wav", Hit1},                {"Hit2.wav", Hit2},
        {"Hit3.wav", Hit3},                {"Hit4.wav", Hit4},
        {"Key.wav", KeyJingle},            {"Killed.wav", KilledWail},
        {"LavaPain.wav", LavaPain},        {"Pip.wav", Pip, -2},
        {"Plopp.wav", Plopp},              {"Remove.wav", RemoveSwoosh, -2},
        {"Selected.wav", SelectedDing},    {"Siren.wav", Siren},
        {"Skid.wav", Skid},                {"Spinner.wav", SpinnerWhirl},
        {"Stamp.wav", StampThunk},         {"WallBreak.wav", WallBreak},
        {"WaterIn.wav", WaterIn},          {"WaterOut.wav", WaterOut},
        {"Turbo.wav", TurboRev},           {"Xlife.wav", ExtraLife},
    };
    return effects;
}
