#pragma once

#include <string>
#include <vector>

// What the tests need to know of a standard MIDI file.
struct MidiSummary {
    int format = -1;
    int ticksPerQuarter = 0;
    int beatsPerBar = 4;
    int noteOns = 0;
    int unmatchedNoteOffs = 0;   // note-offs without a sounding note
    int notesStillOn = 0;        // notes sounding at the end of the track
    int firstNoteTick = -1;
    int lastNoteOffTick = 0;
    int endTick = 0;             // the end-of-track event
    double seconds = 0;          // length up to the end of the track
    std::vector<int> channelsWithoutProgram;  // melodic channels that play before a program is set
};

// Reads the file's first track; false with a reason when it is not a valid MIDI file.
bool ReadMidiSummary(const std::vector<unsigned char>& bytes, MidiSummary& summary,
                     std::string& error);
