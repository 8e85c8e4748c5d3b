#include "track_source.h"

#include "core/block_codes.h"

#include <map>
#include <sstream>
#include <vector>

namespace {

struct SourceReader {
    std::vector<std::string> lines;
    size_t next = 0;
    std::map<char, std::uint8_t> legend;
    std::string error;

    bool Fail(const std::string& message)
    {
        error = "line " + std::to_string(next) + ": " + message;
        return false;
    }
};

std::uint8_t GroundUnder(const std::array<std::uint8_t, TrackWidth * TrackHeight>& blocks, int x,
                         int y)
{
    for (int left = x; left >= 1; --left)
        if (IsGroundCode(blocks[BlockIndex(left, y)]))
            return blocks[BlockIndex(left, y)];
    for (int right = x + 1; right <= GroundWidth; ++right)
        if (IsGroundCode(blocks[BlockIndex(right, y)]))
            return blocks[BlockIndex(right, y)];
    return Blocks::Dirt;
}

void LayBorderAndGround(TrackRecord& track)
{
    for (int y = 0; y < TrackHeight; ++y)
        for (int x = 0; x < TrackWidth; ++x)
            if (x == 0 || y == 0 || x == TrackWidth - 1 || y == TrackHeight - 1)
                track.Blocks[BlockIndex(x, y)] = Blocks::Border;
    for (int y = 1; y <= GroundHeight; ++y)
        for (int x = 1; x <= GroundWidth; ++x)
            track.Ground[GroundIndex(x, y)] = GroundUnder(track.Blocks, x, y);
}

bool ReadMap(SourceReader& in, TrackRecord& track)
{
    for (int y = 1; y <= GroundHeight; ++y) {
        if (in.next >= in.lines.size())
            return in.Fail("the map ends after " + std::to_string(y - 1) + " rows");
        const std::string& row = in.lines[in.next++];
        if (static_cast<int>(row.size()) != GroundWidth)
            return in.Fail("a map row has " + std::to_string(row.size()) + " characters, not 51");
        for (int x = 1; x <= GroundWidth; ++x) {
            const auto code = in.legend.find(row[x - 1]);
            if (code == in.legend.end())
                return in.Fail(std::string("'") + row[x - 1] + "' is not in the legend");
            track.Blocks[BlockIndex(x, y)] = code->second;
        }
    }
    const bool ended = in.next < in.lines.size() && in.lines[in.next] == "end";
    ++in.next;
    if (!ended)
        return in.Fail("the map is not followed by \"end\"");
    LayBorderAndGround(track);
    return true;
}

bool ReadNumber(std::istringstream& words, int low, int high, int& value)
{
    return (words >> value) && value >= low && value <= high;
}

bool ReadTrackSetting(const std::string& keyword, std::istringstream& words, TrackRecord& track)
{
    int value = 0;
    if (keyword == "difficulty" && ReadNumber(words, 1, 10, value))
        track.Difficulty = static_cast<std::uint8_t>(value);
    else if (keyword == "direction" && ReadNumber(words, 0, 7, value))
        track.StartDirection = static_cast<std::uint8_t>(value);
    else if (keyword == "speed" && ReadNumber(words, 1, 100, value))
        track.StartSpeed = static_cast<std::uint8_t>(value);
    else if (keyword == "length" && ReadNumber(words, 3, 500, value))
        track.StartLength = static_cast<std::int16_t>(value);
    else if (keyword == "bonus" && ReadNumber(words, 0, 50, value))
        track.HiddenBonusCount = static_cast<std::uint8_t>(value);
    else
        return false;
    return true;
}

bool ReadSettings(std::istringstream& words, DatabaseSettings& settings)
{
    std::string name;
    int lives = 0, shield = 0, breaks = 0, level = -1;
    if (!(words >> name) || name != "lives" || !ReadNumber(words, 1, 10, lives) ||
        !(words >> name) || name != "shield" || !ReadNumber(words, 1, 10, shield) ||
        !(words >> name) || name != "breaks" || !ReadNumber(words, 1, 10, breaks) ||
        !(words >> name) || name != "level" || !ReadNumber(words, 0, 10, level))
        return false;
    settings = {static_cast<std::uint8_t>(lives), static_cast<std::uint8_t>(shield),
                static_cast<std::uint8_t>(breaks), static_cast<std::uint8_t>(level)};
    return true;
}

bool ReadLegend(std::istringstream& words, SourceReader& in)
{
    std::string symbol;
    int code = -1;
    if (!(words >> symbol >> code) || symbol.size() != 1 || code < 0 || code > 255)
        return in.Fail("a legend line is: legend CHARACTER CODE NAME");
    std::string name;
    std::getline(words >> std::ws, name);
    const std::string_view blockName = BlockName(static_cast<BlockCode>(code));
    if (name != blockName)
        return in.Fail("code " + std::to_string(code) + " is \"" + std::string(blockName) +
                       "\", not \"" + name + "\"");
    if (!in.legend.emplace(symbol[0], static_cast<std::uint8_t>(code)).second)
        return in.Fail("'" + symbol + "' is in the legend twice");
    return true;
}

bool ReadLine(SourceReader& in, TrackDatabase& database, std::string& fileName)
{
    const std::string& line = in.lines[in.next++];
    std::istringstream words(line);
    std::string keyword;
    if (!(words >> keyword) || keyword[0] == '#')
        return true;
    if (keyword == "file")
        words >> fileName;
    else if (keyword == "settings") {
        if (!ReadSettings(words, database.Settings))
            return in.Fail("settings are: lives 1..10 shield 1..10 breaks 1..10 level 0..10");
    } else if (keyword == "legend")
        return ReadLegend(words, in);
    else if (keyword == "track") {
        if (database.TrackCount == 100)
            return in.Fail("more than 100 tracks");
        std::string name;
        if (!std::getline(words >> std::ws, name))
            return in.Fail("a track line is: track NAME");
        database.Tracks.emplace_back();
        database.TrackCount = static_cast<std::uint8_t>(database.Tracks.size() - 1);
        database.Tracks.back().Name = QString::fromUtf8(name);
    } else if (database.TrackCount == 0)
        return in.Fail(keyword + " before the first track");
    else if (keyword == "map")
        return ReadMap(in, database.Tracks.back());
    else if (!ReadTrackSetting(keyword, words, database.Tracks.back()))
        return in.Fail("unknown keyword or value out of range: " + line);
    return true;
}

}  // namespace

bool ReadTrackSource(const std::string& text, TrackDatabase& database, std::string& fileName,
                     std::string& error)
{
    SourceReader in;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        in.lines.push_back(line);
    database = TrackDatabase{};
    while (in.next < in.lines.size()) {
        if (!ReadLine(in, database, fileName)) {
            error = in.error;
            return false;
        }
    }
    if (fileName.empty()) {
        error = "no file line";
        return false;
    }
    for (int n = 1; n <= database.TrackCount; ++n) {
        if (database.Tracks[n].Blocks[0] != Blocks::Border) {
            error = "track " + std::to_string(n) + " has no map";
            return false;
        }
    }
    return true;
}
