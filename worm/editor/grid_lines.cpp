#include "editor/grid_lines.h"

#include "core/frm_worm.h"
#include "core/sprite_drawing.h"
#include "core/track_title.h"

#include <QRect>

namespace {

constexpr int Cell = 12;
constexpr int GridRight = 624;
constexpr int GridBottom = 432;
const QColor GridWhite(255, 255, 255);
const QColor GridYellow(255, 255, 0);

// The frame's strips: the top, right, left and bottom edges.
constexpr QRect FrameStrips[] = {
    {0, 0, 635, 12}, {625, 12, 11, 420}, {0, 12, 12, 420}, {0, 433, 635, 11}};

bool MiddleLine(int at, int first) { return at == first || at == first + Cell; }

}  // namespace

void ShowGrid(Surface& surface) {
  for (int y = Cell; y <= GridBottom; y += Cell)
    surface.XorLine({Cell, y}, {GridRight, y}, MiddleLine(y, 216) ? GridYellow : GridWhite);
  for (int x = Cell; x <= GridRight; x += Cell)
    surface.XorLine({x, Cell}, {x, GridBottom}, MiddleLine(x, 312) ? GridYellow : GridWhite);
}

void ShowCord(frmWorm& form, bool status) {
  const QString file = status ? QStringLiteral("PlayfieldGrid.gif") : QStringLiteral("Playfield.gif");
  if (!form.picDummy.LoadPicture(form.PicturePath + file)) form.picDummy.ClearPicture();
  form.DummyDC = &form.picDummy.Dc();
  // The title is measured (lbldummy) and drawn in the same bold font.
  form.picPlayField.Font = form.lbldummy.Font;
  form.picPlayField.ForeColor = TitleColour;
  Surface& playField = form.picPlayField.Dc();
  form.PlayFieldDC = &playField;
  for (const QRect& strip : FrameStrips)
    playField.BitBlt(strip.x(), strip.y(), strip.width(), strip.height(), *form.DummyDC, strip.x(),
                     strip.y(), RasterOp::Copy);
  if (!status) {
    const TrackRecord& track = form.Database.Tracks[form.CurrentTrack];
    DrawTrackTitle(form, playField, track.Name);
  }
}
