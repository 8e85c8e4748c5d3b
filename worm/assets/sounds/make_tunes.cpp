// Composes the game's MIDI tunes: reads each tune source given after the output folder
// and writes the standard MIDI file it names.
#include "midi_file.h"
#include "tune_parser.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

bool MakeTune(const std::string& source, const std::string& folder)
{
    std::ifstream in(source);
    std::stringstream text;
    text << in.rdbuf();
    Tune tune;
    std::string error;
    if (!in || !ParseTune(text.str(), tune, error)) {
        std::fprintf(stderr, "%s: %s\n", source.c_str(), in ? error.c_str() : "cannot read");
        return false;
    }
    const std::vector<unsigned char> bytes = MidiFileBytes(tune);
    const std::string path = folder + "/" + tune.file;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER TUNE...\n", argv[0]);
        return 2;
    }
    for (int i = 2; i < argc; ++i)
        if (!MakeTune(argv[i], argv[1]))
            return 1;
    return 0;
}
