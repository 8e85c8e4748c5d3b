#include "shell/music_command.h"

#include "core/platform.h"

void MusicCommand(Platform& platform, std::uint8_t soundStatus, const QString& command) {
  if (soundStatus != 0)
    return;
  if (command == QLatin1String("Play")) {
    platform.MidiCommand(QStringLiteral("Open"));
    platform.MidiCommand(QStringLiteral("Play"));
  } else if (command == QLatin1String("Pause")) {
    platform.MidiCommand(QStringLiteral("Pause"));
  } else if (command == QLatin1String("Stop")) {
    platform.MidiCommand(QStringLiteral("Stop"));
    platform.MidiCommand(QStringLiteral("close"));
  } else if (command == QLatin1String("Check") && platform.MidiMode() == MidiModeStopped) {
    platform.MidiCommand(QStringLiteral("Close"));
    platform.MidiCommand(QStringLiteral("Open"));
    platform.MidiCommand(QStringLiteral("Play"));
  }
}
