#include "core/frm_worm.h"

void frmWorm::MusicCommand(const QString& command) {
  if (SoundStatus != 0)
    return;
  if (command == QLatin1String("Play")) {
    System.MidiCommand(QStringLiteral("Open"));
    System.MidiCommand(QStringLiteral("Play"));
  } else if (command == QLatin1String("Pause")) {
    System.MidiCommand(QStringLiteral("Pause"));
  } else if (command == QLatin1String("Stop")) {
    System.MidiCommand(QStringLiteral("Stop"));
    System.MidiCommand(QStringLiteral("close"));
  } else if (command == QLatin1String("Check") && System.MidiMode() == MidiModeStopped) {
    System.MidiCommand(QStringLiteral("Close"));
    System.MidiCommand(QStringLiteral("Open"));
    System.MidiCommand(QStringLiteral("Play"));
  }
}
