#include "track_art.h"

#include "track_source.h"

#include <fstream>
#include <sstream>

namespace {

std::string StarterLegend()
{
    std::ifstream in(WORM_TRACK_SOURCE);
    std::string legend;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("legend ", 0) == 0)
            legend += line + "\n";
    return legend;
}

}  // namespace

std::string TrackArtSource(const std::vector<std::string>& rows)
{
    std::string text = "file T.wdb\n" + StarterLegend() + "track Test\nmap\n";
    for (size_t y = 0; y < GroundHeight; ++y) {
        std::string row = y < rows.size() ? rows[y] : "";
        row.resize(GroundWidth, '#');
        text += row + "\n";
    }
    return text + "end\n";
}

TrackRecord TrackFromArt(const std::vector<std::string>& rows)
{
    TrackDatabase database;
    std::string file, error;
    if (!ReadTrackSource(TrackArtSource(rows), database, file, error) || database.TrackCount != 1)
        return {};
    return database.Tracks[1];
}
