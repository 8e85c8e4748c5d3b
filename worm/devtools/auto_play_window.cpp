#include "auto_play_window.h"

#include <QDir>
#include <QFile>

bool AutoPlayWindow::Open(const QString& dataFolder, const QString& databaseFile,
                          QString& problem) {
  const QDir data(dataFolder);
  const QDir program(folder_.path());
  for (const QString& sub : {QStringLiteral("Picture"), QStringLiteral("Sound")})
    QFile::link(data.absoluteFilePath(sub), program.filePath(sub));
  // The file association counts as made, so the window writes nothing.
  QFile marker(program.filePath(QStringLiteral("Vora.Reg")));
  marker.open(QIODevice::WriteOnly);
  player_.Folder = folder_.path() + QStringLiteral("/");
  if (!form_.Form_Load(QString())) {
    problem = QStringLiteral("The pictures in \"%1\" cannot be loaded.").arg(dataFolder);
    return false;
  }
  form_.Form_Activate();
  form_.tmrMainMenu.SetEnabled(false);
  const DatabaseFileResult read = ReadDatabaseFile(databaseFile, form_.Database);
  if (!read.Ok) {
    problem = read.Message;
    return false;
  }
  form_.picPlayField.Move(2, 36, 636, 444);
  player_.Steer(form_);
  return true;
}
