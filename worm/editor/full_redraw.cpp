#include "editor/full_redraw.h"

#include "core/draw_track.h"
#include "core/frm_worm.h"
#include "editor/grid_lines.h"

void SetPlayFieldPersistent(frmWorm& form, bool persistent) {
  form.picPlayField.AutoRedraw = persistent;
  form.PlayFieldDC = &form.picPlayField.Dc();
}

void ToggleGridLines(frmWorm& form) {
  if (!form.GridShown) return;
  ShowGrid(*form.PlayFieldDC);
}


void FullRedraw(frmWorm& form) {
  RedrawPlayField(form, [&form] { DrawTrack(form, form.CurrentTrack); });
}
