#pragma once

#include <QString>

#include <cstdint>

class Platform;

// Drives the MIDI player: "Play", "Pause" (again: resume), "Stop" and
// "Check" (restart a tune that has played to its end); other commands and
// every command while sound is off (soundStatus not 0) do nothing.
void MusicCommand(Platform& platform, std::uint8_t soundStatus, const QString& command);
