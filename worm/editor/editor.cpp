#include "editor/editor.h"

#include "core/frm_worm.h"
#include "editor/drawing_tools.h"
#include "editor/editor_keys.h"

Editor::Editor(frmWorm& form, ToolboxHost& host)
    : Form(form), Host(host), tmrDirectLoad(form.System) {
  tmrDirectLoad.SetInterval(1000);
  // The game window's keys and playfield mouse; they act only while editing.
  form.Form_KeyDown = [this](int key, int shift) { EditorKeyDown(*this, key, shift); };
  form.picPlayField_MouseDown = [this](int b, int s, int x, int y) {
    picPlayField_MouseDown(*this, b, s, x, y);
  };
  form.picPlayField_MouseMove = [this](int b, int s, int x, int y) {
    picPlayField_MouseMove(*this, b, s, x, y);
  };
  form.picPlayField_MouseUp = [this](int b, int s, int x, int y) {
    picPlayField_MouseUp(*this, b, s, x, y);
  };
}

Editor::~Editor() {
  Form.Form_KeyDown = nullptr;
  Form.picPlayField_MouseDown = nullptr;
  Form.picPlayField_MouseMove = nullptr;
  Form.picPlayField_MouseUp = nullptr;
  Form.System.SetCloseGuard(nullptr);
}

TrackRecord& CurrentTrackRecord(Editor& editor) {
  return editor.Form.Database.Tracks[editor.Form.CurrentTrack];
}

void ShowNotice(Editor& editor, const QString& text, const QString& title) {
  editor.Form.System.MessageBox(text, title, MessageButtons::Ok, MessageIcon::Exclamation);
}
