#include "shell/escape_reg_path.h"

QString EscapeRegPath(const QString& folder) {
  QString escaped = folder;
  escaped.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
  if (!folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1Char('/')))
    escaped += QStringLiteral("\\\\");
  return escaped;
}
