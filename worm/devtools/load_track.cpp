#include "load_track.h"

#include "core/frm_worm.h"

bool LoadTrack(frmWorm& form, const QString& path, int track, const QString& caption) {
  const DatabaseFileResult read = ReadDatabaseFile(path, form.Database);
  QString problem = read.Message;
  if (read.Ok && (track < 1 || track > form.Database.TrackCount))
    problem = QStringLiteral("\"%1\" has no track %2.").arg(path).arg(track);
  if (problem.isEmpty()) return true;
  form.System.ShowCursor(true);
  form.System.MessageBox(problem, caption, MessageButtons::Ok, MessageIcon::Critical);
  return false;
}
