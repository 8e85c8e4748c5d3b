#include "tune_parser.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

constexpr int kDrumChannel = 9;
constexpr int kNoteGap = 12;  // ticks of silence before the next note, so repeats are heard
constexpr size_t kMaxVoiceLine = 100000;  // nested repeats could otherwise fill the memory

const std::map<std::string, int> kDrums = {
    {"bd", 36}, {"sd", 38}, {"cp", 39}, {"hh", 42}, {"ph", 44}, {"oh", 46}, {"lt", 45},
    {"mt", 47}, {"ht", 50}, {"cy", 49}, {"rd", 51}, {"tb", 54}, {"cb", 56}, {"sh", 70},
    {"wb", 76}, {"ti", 81},
};

struct Voice {
    std::vector<TuneNote> notes;  // ticks from the start of the section
    int length = 0;
};

struct Section {
    std::map<int, Voice> voices;  // by channel
    int length = 0;
};

struct ParseState {
    Tune& tune;
    std::map<int, int> velocity;  // default velocity per channel
    std::map<std::string, Section> sections;
    std::string currentSection;
    std::vector<std::string> form;
};

// Replaces every "[...]n" group by n copies of its contents, innermost first.
bool ExpandGroups(std::string& text, std::string& error)
{
    for (;;) {
        const size_t close = text.find(']');
        const size_t open = close == std::string::npos ? close : text.rfind('[', close);
        if (close == std::string::npos && text.find('[') == std::string::npos)
            return true;
        if (open == std::string::npos) {
            error = "unbalanced [ ]";
            return false;
        }
        size_t end = close + 1;
        while (end < text.size() && end < close + 3 &&
               std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;  // at most 99 repeats
        const int count = end > close + 1 ? std::stoi(text.substr(close + 1, end - close - 1)) : 1;
        const std::string inner = text.substr(open + 1, close - open - 1);
        std::string repeated;
        for (int i = 0; i < count; ++i)
            repeated += " " + inner + " ";
        text.replace(open, end - open, repeated);
        if (text.size() > kMaxVoiceLine) {
            error = "the repeats make the line longer than " + std::to_string(kMaxVoiceLine) + " characters";
            return false;
        }
    }
}

// Ticks of a duration, or false when it is none or lasts no tick; one that grows past
// kMaxTuneTicks on the way gives kMaxTuneTicks + 1.
bool ParseDuration(const std::string& text, long long& ticks)
{
    static const std::map<char, int> kBase = {
        {'w', 4 * kTicksPerQuarter}, {'h', 2 * kTicksPerQuarter}, {'q', kTicksPerQuarter},
        {'e', kTicksPerQuarter / 2}, {'s', kTicksPerQuarter / 4}};
    if (text.empty() || !kBase.contains(text[0]))
        return false;
    long long length = kBase.at(text[0]);
    bool tooLong = false;
    for (char modifier : text.substr(1)) {
        if (modifier == '.')
            length += length / 2;
        else if (modifier == '3')
            length = length * 2 / 3;
        else
            return false;
        tooLong = tooLong || length > kMaxTuneTicks;
        length = std::min<long long>(length, kMaxTuneTicks);
    }
    ticks = tooLong ? kMaxTuneTicks + 1LL : length;
    return ticks > 0;
}

bool ParsePitch(const std::string& text, int channel, int& key)
{
    if (channel == kDrumChannel) {
        const auto drum = kDrums.find(text);
        if (drum == kDrums.end())
            return false;
        key = drum->second;
        return true;
    }
    // Semitones above C: the position of the letter in this string.
    static const std::string kNames = "c d ef g a b";
    const size_t step = text.empty() ? std::string::npos : kNames.find(text[0]);
    if (step == std::string::npos || text[0] == ' ')
        return false;
    size_t pos = 1;
    int accidental = 0;
    if (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
        accidental = text[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])) ||
        pos + 1 != text.size())
        return false;
    key = 12 * (text[pos] - '0' + 1) + static_cast<int>(step) + accidental;
    return key <= 127;  // g9 is the highest MIDI key
}

// One token: pitch[+pitch...]/duration[!] or r/duration.
bool AddToken(std::string token, int channel, int velocity, Voice& voice, std::string& error)
{
    error = "bad note " + token;
    bool accent = false;
    if (!token.empty() && token.back() == '!') {
        accent = true;
        token.pop_back();
    }
    const size_t slash = token.find('/');
    long long duration = 0;
    if (slash == std::string::npos || !ParseDuration(token.substr(slash + 1), duration))
        return false;
    if (duration > kMaxTuneTicks - voice.length) {
        error = "channel " + std::to_string(channel + 1) + " lasts longer than " +
                std::to_string(kMaxTuneTicks) + " ticks";
        return false;
    }
    const int ticks = static_cast<int>(duration);
    const std::string pitches = token.substr(0, slash);
    if (pitches != "r") {
        std::stringstream chord(pitches);
        std::string pitch;
        while (std::getline(chord, pitch, '+')) {
            int key = 0;
            if (!ParsePitch(pitch, channel, key))
                return false;
            const int length = channel == kDrumChannel ? std::min(ticks, kTicksPerQuarter / 4)
                                                       : std::max({ticks - kNoteGap, ticks / 2, 1});
            voice.notes.push_back({voice.length, length, channel, key,
                                   std::min(127, velocity + (accent ? 25 : 0))});
        }
    }
    voice.length += ticks;
    return true;
}

bool ParseChannel(std::istringstream& words, ParseState& state, std::string& error)
{
    TuneChannel setup;
    int number = 0;
    int velocity = 90;
    words >> number;
    if (number < 1 || number > 16) {
        error = "channel must be 1..16";
        return false;
    }
    setup.channel = number - 1;
    std::string key;
    int value = 0;
    while (words >> key) {
        if (!(words >> value) || value < 0 || value > 127) {
            error = key + " must be 0..127";
            return false;
        }
        if (key == "program") setup.program = value;
        else if (key == "volume") setup.volume = value;
        else if (key == "pan") setup.pan = value;
        else if (key == "reverb") setup.reverb = value;
        else if (key == "velocity") velocity = value;
        else {
            error = "unknown channel setting " + key;
            return false;
        }
    }
    state.tune.channels.push_back(setup);
    state.velocity[setup.channel] = velocity;
    return true;
}

bool ParseVoiceLine(const std::string& line, ParseState& state, std::string& error)
{
    const size_t colon = line.find(':');
    if (colon == std::string::npos) {
        error = "voice line without ':'";
        return false;
    }
    std::istringstream number(line.substr(0, colon));
    int channel = -1;
    if (!(number >> channel) || !state.velocity.contains(--channel)) {
        error = "channel " + line.substr(0, colon) + " is not set up";
        return false;
    }
    if (state.currentSection.empty()) {
        error = "notes outside a section";
        return false;
    }
    std::string body = line.substr(colon + 1);
    if (!ExpandGroups(body, error))
        return false;
    Voice& voice = state.sections[state.currentSection].voices[channel];
    std::istringstream tokens(body);
    std::string token;
    while (tokens >> token)
        if (!AddToken(token, channel, state.velocity[channel], voice, error))
            return false;
    return true;
}

bool ParseLine(const std::string& line, ParseState& state, std::string& error)
{
    std::istringstream words(line);
    std::string keyword;
    if (!(words >> keyword) || keyword[0] == '#')
        return true;
    if (std::isdigit(static_cast<unsigned char>(keyword[0])))
        return ParseVoiceLine(line, state, error);
    if (keyword == "file")
        words >> state.tune.file;
    else if (keyword == "tempo") {
        if (!(words >> state.tune.beatsPerMinute) || state.tune.beatsPerMinute < 20 ||
            state.tune.beatsPerMinute > 400) {
            error = "tempo must be 20..400";
            return false;
        }
    } else if (keyword == "bar") {
        if (!(words >> state.tune.beatsPerBar) || state.tune.beatsPerBar < 1 ||
            state.tune.beatsPerBar > 16) {
            error = "bar must be 1..16";
            return false;
        }
    }
    else if (keyword == "channel")
        return ParseChannel(words, state, error);
    else if (keyword == "section") {
        if (!(words >> state.currentSection)) {
            error = "section without a name";
            return false;
        }
    }
    else if (keyword == "play")
        for (std::string name; words >> name;)
            state.form.push_back(name);
    else {
        error = "unknown keyword " + keyword;
        return false;
    }
    return true;
}

// Checks that all voices of each section are equally long and fill whole bars.
bool MeasureSections(ParseState& state, std::string& error)
{
    const int barTicks = state.tune.beatsPerBar * kTicksPerQuarter;
    for (auto& [name, section] : state.sections) {
        for (const auto& [channel, voice] : section.voices)
            section.length = std::max(section.length, voice.length);
        for (const auto& [channel, voice] : section.voices) {
            if (voice.length != section.length || voice.length % barTicks != 0) {
                error = "section " + name + ": channel " + std::to_string(channel + 1) + " lasts " +
                        std::to_string(voice.length) + " ticks, the section " +
                        std::to_string(section.length) + " (bars of " + std::to_string(barTicks) +
                        ")";
                return false;
            }
        }
    }
    return true;
}

// Plays the sections one after another as the play line names them.
bool Arrange(ParseState& state, std::string& error)
{
    if (state.form.empty()) {
        error = "no play line";
        return false;
    }
    int offset = 0;
    for (const std::string& name : state.form) {
        const auto section = state.sections.find(name);
        if (section == state.sections.end()) {
            error = "play names unknown section " + name;
            return false;
        }
        if (section->second.length > kMaxTuneTicks - offset) {
            error = "the play line lasts longer than " + std::to_string(kMaxTuneTicks) + " ticks";
            return false;
        }
        for (const auto& [channel, voice] : section->second.voices) {
            if (voice.notes.size() > static_cast<size_t>(kMaxTuneNotes) - state.tune.notes.size()) {
                error = "the play line plays more than " + std::to_string(kMaxTuneNotes) + " notes";
                return false;
            }
            for (TuneNote note : voice.notes) {
                note.tick += offset;
                state.tune.notes.push_back(note);
            }
        }
        offset += section->second.length;
    }
    state.tune.lengthTicks = offset;
    return true;
}

}  // namespace

bool ParseTune(const std::string& text, Tune& tune, std::string& error)
{
    ParseState state{tune, {}, {}, {}, {}};
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!ParseLine(line, state, error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
    }
    if (tune.file.empty()) {
        error = "no file line";
        return false;
    }
    return MeasureSections(state, error) && Arrange(state, error);
}
