#include "editor/update_tab.h"

#include "core/frm_worm.h"
#include "editor/editor.h"

#include <QDir>

namespace {

constexpr int MostTracks = 100;

// A flag that is true for the lifetime of the guard.
class Loading {
 public:
  explicit Loading(bool& flag) : flag_(flag) { flag_ = true; }
  ~Loading() { flag_ = false; }
  Loading(const Loading&) = delete;
  Loading& operator=(const Loading&) = delete;

 private:
  bool& flag_;
};

void RefreshTrackArea(Editor& editor) {
  ToolboxModel& controls = editor.Controls;
  const int count = editor.Form.Database.TrackCount;
  SliderControl& slider = controls.slrTrackNumber;
  if (count < 2) {
    slider.SetRange(slider.Min, 2);
    slider.Enabled = false;
  } else {
    slider.Enabled = true;
    slider.SetRange(slider.Min, count);
    slider.TickFrequency = (count - 1) / 10 + 1;
  }
  controls.cmdTrackNumber[1].Enabled = count >= 2;
  controls.cmdTrackNumber[0].Enabled = count < MostTracks;
  slider.SetValue(editor.Form.CurrentTrack);
  controls.cmbTrackName.SetSelectedText(CurrentTrackRecord(editor).Name);
  controls.sbConfig[1].Text = QStringLiteral("%1/%2").arg(editor.Form.CurrentTrack).arg(count);
}

void RefreshDirectionArea(Editor& editor) {
  const Loading loading(editor.ControlsLoading);
  ToolboxModel& controls = editor.Controls;
  const int direction = CurrentTrackRecord(editor).StartDirection % 8;
  controls.imgWormHead[editor.SelectedHead] = editor.SelectedHead;
  controls.imgWormHead[direction] = direction + 8;
  editor.SelectedHead = static_cast<std::uint8_t>(direction);
}

void LoadSlider(SliderControl& slider, QString& label, const QString& prefix, int value) {
  slider.SetValue(value);
  label = prefix + QString::number(slider.Value());
}

void RefreshTrackConfigArea(Editor& editor) {
  const Loading loading(editor.ControlsLoading);
  const TrackRecord& track = CurrentTrackRecord(editor);
  ToolboxModel& c = editor.Controls;
  const int values[] = {0, track.Difficulty, track.HiddenBonusCount, track.StartLength,
                        track.StartSpeed};
  for (int i = 1; i <= 4; ++i)
    LoadSlider(c.slrTrimTrack[i], c.lblTrimTrack[i], TrimTrackPrefixes[i], values[i]);
}

void RefreshDBConfigArea(Editor& editor) {
  const Loading loading(editor.ControlsLoading);
  const DatabaseSettings& settings = editor.Form.Database.Settings;
  ToolboxModel& c = editor.Controls;
  const int values[] = {0, settings.Lives, settings.Shield, settings.Breaks, settings.Level};
  for (int i = 1; i <= 4; ++i)
    LoadSlider(c.slrTrimDB[i], c.lblTrimDB[i], TrimDBPrefixes[i], values[i]);
  const int level = c.slrTrimDB[4].Value();
  const int tracks = level == 0 ? editor.Form.Database.TrackCount : CountTracksAtLevel(editor, level);
  c.slrTrimDB[4].ToolTip = QStringLiteral("Tracks: %1").arg(tracks);
}

void RefreshDatabaseArea(Editor& editor) {
  editor.Controls.cmdDatabase[2].Enabled = editor.Changed;
}

void RefreshDefDBArea(Editor& editor) {
  CheckListControl& list = editor.Controls.lstDefDB;
  list.Clear();
  const QDir folder(editor.Form.TrackPath);
  for (const QString& file :
       folder.entryList({QStringLiteral("*.wdb")}, QDir::Files, QDir::Unsorted))
    list.Add(file.left(file.size() - 4));
  const Loading loading(editor.DatabaseListLoading);
  const QString chosen = editor.Form.System.GetSetting(
      editor.Form.AppName, QStringLiteral("Misc"), QStringLiteral("Choosen Database"), QString());
  const qsizetype index = list.Entries.indexOf(chosen);
  if (index >= 0) list.Checked[index] = true;
}

}  // namespace

void UpdateTab(Editor& editor, unsigned areas) {
  if (areas & TrackTab) RefreshTrackArea(editor);
  if (areas & DirectionTab) RefreshDirectionArea(editor);
  if (areas & TrackConfigTab) RefreshTrackConfigArea(editor);
  if (areas & DBConfigTab) RefreshDBConfigArea(editor);
  if (areas & DatabaseTab) RefreshDatabaseArea(editor);
  if (areas & DefDBTab) RefreshDefDBArea(editor);
  if (editor.Toolbox) editor.Toolbox->Repaint();
}

int CountTracksAtLevel(const Editor& editor, int level) {
  const TrackDatabase& database = editor.Form.Database;
  int count = 0;
  for (int n = 1; n <= database.TrackCount; ++n)
    if (database.Tracks[n].Difficulty == level) ++count;
  return count;
}

void ShowStatusPanel(Editor& editor, int panel, const QString& text) {
  editor.Controls.sbConfig[panel].Text = text;
  if (editor.Toolbox) editor.Toolbox->Repaint();
}
