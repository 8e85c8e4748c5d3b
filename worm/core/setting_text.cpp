#include "core/setting_text.h"

namespace {

QString KeyPath(const QString& section, const QString& key) { return section + '/' + key; }

}  // namespace

QString ReadSettingText(const QSettings& settings, const QString& section, const QString& key,
                        const QString& defaultValue) {
  return settings.value(KeyPath(section, key), defaultValue).toString();
}

void WriteSettingText(QSettings& settings, const QString& section, const QString& key,
                      const QString& text) {
  settings.setValue(KeyPath(section, key), text);
}
