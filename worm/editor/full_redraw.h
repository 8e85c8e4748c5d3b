#pragma once

#include "shell/choice_screen.h"

class frmWorm;

// Draws the whole current track again, the grid (when shown) taken off
// before and put back after.
void FullRedraw(frmWorm& form);

// Runs draw with the playfield drawing straight to the screen, then makes
// the playfield draw to its kept picture again; the grid (when shown) is
// taken off before and put back after, and the screen shows the result.
template <typename Draw>
void RedrawPlayField(frmWorm& form, Draw draw);

// The playfield draws to the screen (false) or to its kept picture (true);
// its device context is taken again.
void SetPlayFieldPersistent(frmWorm& form, bool persistent);

// Inverts the grid lines in the playfield's device context when the grid
// is shown; a refresh of the playfield shows them.
void ToggleGridLines(frmWorm& form);

template <typename Draw>
void RedrawPlayField(frmWorm& form, Draw draw) {
  ToggleGridLines(form);
  SetPlayFieldPersistent(form, false);
  draw();
  SetPlayFieldPersistent(form, true);
  ToggleGridLines(form);
  RefreshPlayField(form);
}
