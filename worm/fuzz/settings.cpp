// Reads any text as the settings file for the chosen database; the text it gives must be
// stored and read back unchanged.
#include "core/setting_text.h"
#include "scratch_files.h"

namespace {

const QString Section = QStringLiteral("Misc");
const QString Key = QStringLiteral("Choosen Database");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScratchFiles files;
  files.Begin();
  const QString chosen = ReadSettingText(QSettings(files.Write("In.ini", data, size),
                                                   QSettings::IniFormat),
                                         Section, Key, QStringLiteral("Empty"));
  if (chosen == QStringLiteral("Empty")) return 0;
  const QString path = files.Path("Out.ini");
  {
    QSettings settings(path, QSettings::IniFormat);
    WriteSettingText(settings, Section, Key, chosen);
  }
  if (ReadSettingText(QSettings(path, QSettings::IniFormat), Section, Key, QString()) != chosen)
    __builtin_trap();
  return 0;
}
