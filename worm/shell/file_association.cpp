#include "shell/file_association.h"

#include "core/platform.h"
#include "shell/chosen_database_setting.h"
#include "shell/reg_script.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString MarkerName = QStringLiteral("Vora.Reg");
const QString ConfigSubfolder = QStringLiteral("Vora/");
const QString MimeType = QStringLiteral("application/x-vora-database");
const QString MimeFile = QStringLiteral("mime/packages/vora-database.xml");
const QString DesktopFile = QStringLiteral("applications/vora.desktop");

QString MarkerInConfig(const AssociationFolders& folders) {
  return folders.Config + ConfigSubfolder + MarkerName;
}

bool WriteFile(const QString& path, const QByteArray& contents) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return false;
  file.write(contents);
  return file.commit();
}

QByteArray MimeTypeText() {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"%1\">\n"
             "    <comment>Vora Database</comment>\n"
             "    <glob pattern=\"*.wdb\"/>\n"
             "  </mime-type>\n"
             "</mime-info>\n")
      .arg(MimeType)
      .toUtf8();
}

// One character of the program's path inside the quoted argument of the
// Exec line: the argument's quoting puts a backslash before " ` $ and \, the
// value's own escaping doubles every backslash and writes line breaks and
// tabs as \n, \r and \t, and "%" is doubled against the field codes.
QString ExecCharacter(QChar c) {
  switch (c.unicode()) {
    case u'"':
    case u'`':
    case u'$': return QStringLiteral("\\\\") + c;
    case u'\\': return QStringLiteral("\\\\\\\\");
    case u'%': return QStringLiteral("%%");
    case u'\n': return QStringLiteral("\\n");
    case u'\r': return QStringLiteral("\\r");
    case u'\t': return QStringLiteral("\\t");
    default: return QString(c);
  }
}

// The program as one quoted argument of a desktop entry's Exec line.
QString QuotedExecArgument(const QString& program) {
  QString quoted;
  for (const QChar c : program) quoted += ExecCharacter(c);
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray DesktopEntryText(const QString& program) {
  return QStringLiteral(
             "[Desktop Entry]\n"
             "Type=Application\n"
             "Name=The Vora\n"
             "Comment=Vora Database\n"
             "Exec=%1 %f\n"
             "MimeType=%2;\n"
             "NoDisplay=true\n"
             "Terminal=false\n")
      .arg(QuotedExecArgument(program), MimeType)
      .toUtf8();
}

// Writes the file, creating its folder in the user's folders first.
bool WriteUserFile(const QString& path, const QByteArray& contents) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  return WriteFile(path, contents);
}

void WriteMarker(const AssociationFolders& folders) {
  const QByteArray script = RegScriptText(folders.Program);
  if (!WriteFile(folders.Program + MarkerName, script))
    WriteUserFile(MarkerInConfig(folders), script);
}

void WriteDesktopAssociation(Platform& platform, const AssociationFolders& folders) {
  const QString data = folders.Data;
  WriteUserFile(data + MimeFile, MimeTypeText());
  WriteUserFile(data + DesktopFile, DesktopEntryText(folders.Program + QStringLiteral("worm")));
  platform.StartDetached(QStringLiteral("update-mime-database"), {data + QStringLiteral("mime")});
  platform.StartDetached(QStringLiteral("update-desktop-database"),
                         {data + QStringLiteral("applications")});
  platform.StartDetached(QStringLiteral("xdg-mime"),
                         {QStringLiteral("default"), QStringLiteral("vora.desktop"), MimeType});
}

QString WithSlash(const QString& folder) {
  return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

AssociationFolders UserAssociationFolders(Platform& platform) {
  return {platform.ProgramFolder(),
          WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)),
          WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))};
}

bool FileTypeRegistered(const AssociationFolders& folders) {
  return QFileInfo::exists(folders.Program + MarkerName) ||
         QFileInfo::exists(MarkerInConfig(folders));
}

void RegisterFileType(Platform& platform, const AssociationFolders& folders) {
  SaveChosenDatabase(platform, QStringLiteral("Vora"));
  WriteMarker(folders);
  WriteDesktopAssociation(platform, folders);
}
