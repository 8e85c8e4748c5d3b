#pragma once

#include <QString>

// A folder in the escaped form a quoted string of a registry script needs:
// every backslash doubled, ended by exactly one separator (an escaped
// backslash, unless the folder already ends with "\" or "/").
QString EscapeRegPath(const QString& folder);
