#pragma once

#include <QString>

extern const QString kGameTitle;

QString ColumnFullText();
QString RulesText();
QString CreditsText();
