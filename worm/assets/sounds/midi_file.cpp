#include "midi_file.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace {

struct Event {
    int tick;
    int order;  // at one tick: set-up first, then note-offs, then note-ons
    std::vector<unsigned char> bytes;
};

// Seven bits a byte, most significant first; a MIDI file allows up to 0x0FFFFFFF.
void PutVariableLength(std::vector<unsigned char>& out, std::uint32_t value)
{
    unsigned char groups[5];  // 32 bits need five groups of seven
    int count = 0;
    do {
        groups[count++] = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
    } while (value > 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void PutBigEndian(std::vector<unsigned char>& out, unsigned value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

unsigned char Byte(int value)
{
    return static_cast<unsigned char>(value);
}

std::vector<Event> SetupEvents(const Tune& tune)
{
    const unsigned microsPerQuarter = 60000000u / static_cast<unsigned>(tune.beatsPerMinute);
    std::vector<Event> events;
    events.push_back({0, 0, {0xFF, 0x51, 0x03, Byte(microsPerQuarter >> 16),
                             Byte((microsPerQuarter >> 8) & 0xFF), Byte(microsPerQuarter & 0xFF)}});
    events.push_back({0, 0, {0xFF, 0x58, 0x04, Byte(tune.beatsPerBar), 0x02, 0x18, 0x08}});
    for (const TuneChannel& c : tune.channels) {
        const unsigned char control = Byte(0xB0 | c.channel);
        events.push_back({0, 0, {Byte(0xC0 | c.channel), Byte(c.program)}});
        events.push_back({0, 0, {control, 7, Byte(c.volume)}});
        events.push_back({0, 0, {control, 10, Byte(c.pan)}});
        events.push_back({0, 0, {control, 91, Byte(c.reverb)}});
    }
    return events;
}

std::vector<Event> NoteEvents(const Tune& tune)
{
    std::vector<Event> events;
    for (const TuneNote& n : tune.notes) {
        const int end = std::min(n.tick + n.length, tune.lengthTicks);
        events.push_back({n.tick, 2, {Byte(0x90 | n.channel), Byte(n.key), Byte(n.velocity)}});
        events.push_back({end, 1, {Byte(0x80 | n.channel), Byte(n.key), 0}});
    }
    return events;
}

}  // namespace

std::vector<unsigned char> MidiFileBytes(const Tune& tune)
{
    std::vector<Event> events = SetupEvents(tune);
    const std::vector<Event> notes = NoteEvents(tune);
    events.insert(events.end(), notes.begin(), notes.end());
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    events.push_back({tune.lengthTicks, 3, {0xFF, 0x2F, 0x00}});

    std::vector<unsigned char> track;
    int tick = 0;
    for (const Event& e : events) {
        PutVariableLength(track, static_cast<std::uint32_t>(e.tick - tick));
        tick = e.tick;
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }

    std::vector<unsigned char> file = {'M', 'T', 'h', 'd'};
    PutBigEndian(file, 6, 4);
    PutBigEndian(file, 0, 2);  // format 0
    PutBigEndian(file, 1, 2);  // one track
    PutBigEndian(file, kTicksPerQuarter, 2);
    file.insert(file.end(), {'M', 'T', 'r', 'k'});
    PutBigEndian(file, static_cast<unsigned>(track.size()), 4);
    file.insert(file.end(), track.begin(), track.end());
    return file;
}
