// Writes the game's sound effects into the folder given as the only argument.
#include "mastering.h"
#include "sound_effects.h"
#include "wave_file.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const SoundEffect& effect : SoundEffects()) {
        const std::string path = folder + "/" + effect.file;
        if (!WriteWaveFile(path, Master(effect.make(), effect.loudnessOffset), kSampleRate)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
