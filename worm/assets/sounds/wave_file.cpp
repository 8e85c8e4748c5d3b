#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void PutU32(std::ofstream& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutU16(std::ofstream& out, uint16_t value)
{
    out.put(static_cast<char>(value & 0xFF));
    out.put(static_cast<char>(value >> 8));
}

}  // namespace

bool WriteWaveFile(const std::string& path, const std::vector<float>& samples, int sampleRate)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutU32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, static_cast<uint32_t>(sampleRate));
    PutU32(out, static_cast<uint32_t>(sampleRate * 2));
    PutU16(out, 2);
    PutU16(out, 16);
    out.write("data", 4);
    PutU32(out, dataBytes);
    for (float sample : samples) {
        const float clipped = std::clamp(sample, -1.0f, 1.0f);
        PutU16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32767.0f))));
    }
    return static_cast<bool>(out.flush());
}
