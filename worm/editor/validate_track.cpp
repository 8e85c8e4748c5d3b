#include "editor/validate_track.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/track_validation.h"

bool ValidateTrack(Editor& editor) {
  const QStringList errors = TrackErrors(CurrentTrackRecord(editor));
  if (errors.isEmpty()) return true;
  ShowNotice(editor, TrackErrorText(errors), QString::fromLatin1(TrackErrorTitle));
  return false;
}

bool CheckTracksTested(Editor& editor) {
  const QString untested = UntestedTracksText(
      editor.Form.Database, [&editor](int n) { return n <= 100 && editor.TrackTested[n]; });
  if (untested.isEmpty()) return true;
  ShowNotice(editor, untested, QString::fromLatin1(SaveDatabaseTitle));
  return false;
}
