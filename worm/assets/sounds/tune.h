#pragma once

#include <string>
#include <vector>

// A tune as the MIDI generator sees it: channel set-up and timed notes.

constexpr int kTicksPerQuarter = 480;
// The longest note, voice and tune in ticks: the largest time step a MIDI file can hold.
constexpr int kMaxTuneTicks = 0x0FFFFFFF;
// The most notes a tune may play, repeats included.
constexpr int kMaxTuneNotes = 200000;

struct TuneChannel {
    int channel = 0;     // 0..15; 9 is percussion
    int program = 0;     // General MIDI program 0..127
    int volume = 100;
    int pan = 64;
    int reverb = 40;
};

struct TuneNote {
    int tick = 0;
    int length = 0;
    int channel = 0;
    int key = 60;
    int velocity = 90;
};

struct Tune {
    std::string file;            // output file name, e.g. "Vora1.Mid"
    int beatsPerMinute = 120;
    int beatsPerBar = 4;
    std::vector<TuneChannel> channels;
    std::vector<TuneNote> notes;
    int lengthTicks = 0;         // the tune ends (and loops) here
};
