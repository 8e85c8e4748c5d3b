#include "editor/database_file_commands.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/update_tab.h"
#include "editor/validate_track.h"

#include <QFileInfo>

namespace {

constexpr int MostTracks = 100;
const QString OpenTitle = QStringLiteral("Open Database");
const QString SaveTitle = QStringLiteral("Save Database");

bool Confirm(Editor& editor, const QString& text, const QString& title) {
  return editor.Form.System.MessageBox(text, title, MessageButtons::OkCancel,
                                       MessageIcon::Question) == MessageAnswer::Ok;
}

// The file to open: the command line's, else one chosen in the dialog.
std::optional<QString> FileToOpen(Editor& editor) {
  if (!editor.Form.CommandLine.isEmpty()) return editor.Form.CommandLine;
  return editor.Form.System.OpenFileDialog(DatabaseFilter, editor.FileName);
}

// Reads the file completely; a database the editor cannot hold is refused.
bool ReadWholeDatabase(Editor& editor, const QString& path, TrackDatabase& database) {
  const DatabaseFileResult read = ReadDatabaseFile(path, database);
  QString problem = read.Message;
  if (read.Ok && (database.TrackCount < 1 || database.TrackCount > MostTracks))
    problem = QStringLiteral("\"%1\" holds %2 tracks; a database holds 1 to 100.")
                  .arg(path)
                  .arg(database.TrackCount);
  if (problem.isEmpty()) return true;
  ShowNotice(editor, problem, OpenTitle);
  return false;
}

void TakeDatabase(Editor& editor, TrackDatabase database) {
  frmWorm& form = editor.Form;
  form.Database = std::move(database);
  editor.TrackTested.fill(false);
  ComboControl& list = editor.Controls.cmbTrackName;
  list.Clear();
  for (int n = 1; n <= form.Database.TrackCount; ++n) {
    list.Insert(n - 1, form.Database.Tracks[n].Name);
    editor.TrackTested[n] = true;
  }
  form.CurrentTrack = 1;
  list.SetListIndex(0);
}

// The file to write: the database's own, else one chosen in the dialog
// (".wdb" added to a name without an extension).
std::optional<QString> FileToSave(Editor& editor) {
  if (editor.FileName != editor.Form.TrackPath + QStringLiteral("NoName")) return editor.FileName;
  std::optional<QString> chosen =
      editor.Form.System.SaveFileDialog(DatabaseFilter, editor.FileName);
  if (chosen && QFileInfo(*chosen).suffix().isEmpty()) *chosen += QStringLiteral(".wdb");
  return chosen;
}

}  // namespace

bool OpenDatabase(Editor& editor) {
  if (editor.Changed &&
      !Confirm(editor, QStringLiteral("All Changes Will Be Lost,\nContinue Anyway."), OpenTitle))
    return false;
  const std::optional<QString> path = FileToOpen(editor);
  TrackDatabase database;
  if (!path || !ReadWholeDatabase(editor, *path, database)) {
    UpdateTab(editor, DefDBTab);
    return false;
  }
  editor.FileName = *path;
  TakeDatabase(editor, std::move(database));
  editor.Changed = false;
  editor.Controls.Caption = ToolboxCaption(editor);
  editor.Form.CommandLine.clear();
  UpdateTab(editor, AllTabs);
  return true;
}

bool SaveDataBase(Editor& editor) {
  if (!CheckTracksTested(editor)) return false;
  const std::optional<QString> path = FileToSave(editor);
  if (path) {
    const DatabaseFileResult written = WriteDatabaseFile(*path, editor.Form.Database);
    if (written.Ok) {
      editor.FileName = *path;
      editor.Changed = false;
      editor.Controls.Caption = ToolboxCaption(editor);
      UpdateTab(editor, DefDBTab | DatabaseTab);
      return true;
    }
    ShowNotice(editor, written.Message, SaveTitle);
  }
  UpdateTab(editor, DefDBTab);
  return false;
}

QString GetFileTitle(const QString& filePath) {
  const qsizetype separator = filePath.lastIndexOf('/');
  if (separator < 0) return QString();
  return filePath.mid(separator + 1);
}

QString ToolboxCaption(const Editor& editor) {
  return QStringLiteral("%1 (%2)").arg(GetFileTitle(editor.FileName)).arg(editor.Form.Database.SaveCounter);
}
