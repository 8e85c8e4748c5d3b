#include "midi_reader.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

class ByteReader {
public:
    ByteReader(const std::vector<unsigned char>& bytes, size_t begin, size_t end)
        : bytes_(bytes), pos_(begin), end_(end) {}

    bool AtEnd() const { return pos_ >= end_; }
    bool Ok() const { return ok_; }

    unsigned Byte()
    {
        if (pos_ >= end_) {
            ok_ = false;
            return 0;
        }
        return bytes_[pos_++];
    }

    unsigned Peek() const { return pos_ < end_ ? bytes_[pos_] : 0; }

    unsigned BigEndian(int count)
    {
        unsigned value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | Byte();
        return value;
    }

    unsigned VariableLength()
    {
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const unsigned b = Byte();
            value = value << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        ok_ = false;
        return value;
    }

    void Skip(unsigned count)
    {
        if (end_ - pos_ < count)
            ok_ = false;
        pos_ = std::min(end_, pos_ + count);
    }

    size_t Position() const { return pos_; }

private:
    const std::vector<unsigned char>& bytes_;
    size_t pos_;
    size_t end_;
    bool ok_ = true;
};

struct TrackState {
    MidiSummary& summary;
    std::map<std::pair<int, int>, int> sounding;
    std::set<int> programmed;
    double microsPerQuarter = 500000;
    int tick = 0;
    bool ended = false;
};

void AdvanceTo(TrackState& state, int tick)
{
    state.summary.seconds += (tick - state.tick) * state.microsPerQuarter / 1e6 /
                             state.summary.ticksPerQuarter;
    state.tick = tick;
}

void Meta(ByteReader& in, TrackState& state)
{
    const unsigned type = in.Byte();
    const unsigned length = in.VariableLength();
    const size_t start = in.Position();
    if (type == 0x51 && length == 3)
        state.microsPerQuarter = in.BigEndian(3);
    else if (type == 0x58 && length == 4)
        state.summary.beatsPerBar = static_cast<int>(in.Byte());
    else if (type == 0x2F) {
        state.ended = true;
        state.summary.endTick = state.tick;
    }
    in.Skip(static_cast<unsigned>(length - (in.Position() - start)));
}

void NoteOff(TrackState& state, int channel, int key)
{
    int& count = state.sounding[{channel, key}];
    if (count == 0)
        ++state.summary.unmatchedNoteOffs;
    else
        --count;
    state.summary.lastNoteOffTick = std::max(state.summary.lastNoteOffTick, state.tick);
}

void NoteOn(TrackState& state, int channel, int key)
{
    ++state.sounding[{channel, key}];
    ++state.summary.noteOns;
    if (state.summary.firstNoteTick < 0)
        state.summary.firstNoteTick = state.tick;
    if (channel != 9 && !state.programmed.contains(channel)) {
        state.summary.channelsWithoutProgram.push_back(channel);
        state.programmed.insert(channel);
    }
}

void ChannelMessage(ByteReader& in, TrackState& state, unsigned status)
{
    const unsigned kind = status & 0xF0;
    const int channel = static_cast<int>(status & 0x0F);
    const unsigned first = in.Byte();
    const unsigned second = (kind == 0xC0 || kind == 0xD0) ? 0 : in.Byte();
    if (kind == 0xC0)
        state.programmed.insert(channel);
    else if (kind == 0x90 && second > 0)
        NoteOn(state, channel, static_cast<int>(first));
    else if (kind == 0x80 || kind == 0x90)
        NoteOff(state, channel, static_cast<int>(first));
}

bool ReadTrack(ByteReader& in, TrackState& state, std::string& error)
{
    unsigned status = 0;
    while (!in.AtEnd() && !state.ended && in.Ok()) {
        AdvanceTo(state, state.tick + static_cast<int>(in.VariableLength()));
        if (in.Peek() & 0x80)
            status = in.Byte();
        if (status == 0xFF)
            Meta(in, state);
        else if (status == 0xF0 || status == 0xF7)
            in.Skip(in.VariableLength());
        else if (status >= 0x80)
            ChannelMessage(in, state, status);
        else {
            error = "data byte without a status";
            return false;
        }
    }
    if (!in.Ok() || !state.ended) {
        error = "track ends without an end-of-track event";
        return false;
    }
    for (const auto& [note, count] : state.sounding)
        state.summary.notesStillOn += count;
    return true;
}

}  // namespace

bool ReadMidiSummary(const std::vector<unsigned char>& bytes, MidiSummary& summary,
                     std::string& error)
{
    ByteReader header(bytes, 0, bytes.size());
    if (header.BigEndian(4) != 0x4D546864 || header.BigEndian(4) != 6) {
        error = "no MThd header";
        return false;
    }
    summary.format = static_cast<int>(header.BigEndian(2));
    const unsigned tracks = header.BigEndian(2);
    summary.ticksPerQuarter = static_cast<int>(header.BigEndian(2));
    if (!header.Ok() || summary.format > 1 || tracks < 1 || summary.ticksPerQuarter <= 0 ||
        summary.ticksPerQuarter >= 0x8000) {
        error = "unsupported header";
        return false;
    }
    if (header.BigEndian(4) != 0x4D54726B) {
        error = "no MTrk chunk";
        return false;
    }
    const unsigned length = header.BigEndian(4);
    const size_t start = header.Position();
    if (!header.Ok() || bytes.size() - start < length) {
        error = "track chunk longer than the file";
        return false;
    }
    ByteReader track(bytes, start, start + length);
    TrackState state{summary, {}, {}};
    return ReadTrack(track, state, error);
}
