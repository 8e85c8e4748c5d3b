#pragma once

#include <QSettings>
#include <QString>

// The text stored in settings under section and key, defaultValue when there is none.
QString ReadSettingText(const QSettings& settings, const QString& section, const QString& key,
                        const QString& defaultValue);

// Stores text in settings under section and key.
void WriteSettingText(QSettings& settings, const QString& section, const QString& key,
                      const QString& text);
