// Builds a track database file from its text source; every track must pass the editor's
// validation. Arguments: the source and the output folder.
#include "editor/track_validation.h"
#include "track_source.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

bool AllTracksValid(const TrackDatabase& database)
{
    bool valid = true;
    for (int n = 1; n <= database.TrackCount; ++n) {
        const QStringList errors = TrackErrors(database.Tracks[n]);
        for (const QString& line : errors)
            std::fprintf(stderr, "track %d \"%s\": %s\n", n,
                         database.Tracks[n].Name.toUtf8().constData(), line.toUtf8().constData());
        valid = valid && errors.isEmpty();
    }
    return valid;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream text;
    text << in.rdbuf();
    TrackDatabase database;
    std::string fileName;
    std::string error;
    if (!in || !ReadTrackSource(text.str(), database, fileName, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], in ? error.c_str() : "cannot read");
        return 1;
    }
    if (!AllTracksValid(database))
        return 1;
    const QString path = QString::fromUtf8(argv[2]) + "/" + QString::fromStdString(fileName);
    const DatabaseFileResult written = WriteDatabaseFile(path, database);
    if (!written.Ok) {
        std::fprintf(stderr, "%s\n", written.Message.toUtf8().constData());
        return 1;
    }
    return 0;
}
