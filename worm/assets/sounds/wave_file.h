#pragma once

#include <string>
#include <vector>

// Writes mono 16-bit PCM samples (-1..1, clipped) as a RIFF WAVE file.
// Returns false when the file cannot be written.
bool WriteWaveFile(const std::string& path, const std::vector<float>& samples, int sampleRate);
