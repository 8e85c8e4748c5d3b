#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The data folders of the built program.
inline std::string SoundFolder() { return std::string(WORM_DATA_DIR) + "/Sound/"; }
inline std::string TrackFolder() { return std::string(WORM_DATA_DIR) + "/Track/"; }

inline std::vector<unsigned char> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
