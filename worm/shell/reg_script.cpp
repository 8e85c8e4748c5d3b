#include "shell/reg_script.h"

#include "shell/escape_reg_path.h"

#include <QStringList>

QByteArray RegScriptText(const QString& programFolder) {
  const QStringList lines{
      QStringLiteral("REGEDIT4"),
      QString(),
      QStringLiteral("[HKEY_CLASSES_ROOT\\.wdb]"),
      QStringLiteral("@=\"Vora\""),
      QString(),
      QStringLiteral("[HKEY_CLASSES_ROOT\\Vora]"),
      QStringLiteral("@=\"Vora Database\""),
      QString(),
      QStringLiteral("[HKEY_CLASSES_ROOT\\Vora\\Shell]"),
      QString(),
      QStringLiteral("[HKEY_CLASSES_ROOT\\Vora\\Shell\\Open]"),
      QString(),
      QStringLiteral("[HKEY_CLASSES_ROOT\\Vora\\Shell\\Open\\Command]"),
      QStringLiteral("@=\"") + EscapeRegPath(programFolder) + QStringLiteral("Vora.exe %1\""),
  };
  QByteArray text;
  for (const QString& line : lines) text += line.toUtf8() + "\r\n";
  return text;
}
