#include "shell/chosen_database_setting.h"

#include "core/platform.h"

namespace {

const QString Application = QStringLiteral("Vora");
const QString Section = QStringLiteral("Misc");
const QString Key = QStringLiteral("Choosen Database");

}  // namespace

QString ReadChosenDatabase(Platform& platform) {
  return platform.GetSetting(Application, Section, Key, QStringLiteral("Empty"));
}

void SaveChosenDatabase(Platform& platform, const QString& name) {
  platform.SaveSetting(Application, Section, Key, name);
}
