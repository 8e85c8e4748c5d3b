#include "core/screen_composer.h"

#include "core/frm_worm.h"

#include <QPainter>

#include <cmath>

namespace {

void DrawLabel(QPainter& painter, const Label& label) {
  if (!label.Transparent) painter.fillRect(label.Rect(), label.BackColor);
  static constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
  painter.setFont(label.Font);
  painter.setPen(label.ForeColor);
  painter.drawText(label.Rect(), alignments[static_cast<int>(label.Alignment)] | Qt::AlignTop,
                   label.Caption());
}

// A sunken trough with the filled part as a row of blocks.
void DrawProgressBar(QPainter& painter, const ProgressBar& bar) {
  const QRect outer = bar.Rect();
  if (outer.width() < 4 || outer.height() < 4) return;
  painter.fillRect(outer, QColor(64, 64, 64));
  painter.fillRect(outer.adjusted(1, 1, 0, 0), QColor(224, 224, 224));
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  painter.fillRect(inner, QColor(192, 192, 192));
  const QRect track = inner.adjusted(1, 1, -1, -1);
  const int filled = static_cast<int>(std::lround(track.width() * bar.Fraction()));
  const int block = std::max(2, track.height() * 2 / 3);
  for (int x = 0; x < filled; x += block + 2)
    painter.fillRect(track.left() + x, track.top(), std::min(block, filled - x), track.height(),
                     QColor(0, 0, 128));
}

// Draws the controls that stand in container (or on the window for null).
void DrawControls(QPainter& painter, const frmWorm& form, const PictureBox* container) {
  for (const Label* label : form.Labels())
    if (label->Container == container && label->Visible) DrawLabel(painter, *label);
  for (const ProgressBar* bar : form.ProgressBars())
    if (bar->Container == container && bar->Visible) DrawProgressBar(painter, *bar);
}

}  // namespace

QImage ComposeScreen(const frmWorm& form, QSize screenSize) {
  QImage screen(screenSize, QImage::Format_RGB32);
  screen.fill(Qt::black);
  QPainter painter(&screen);
  for (const PictureBox* box : form.ScreenBoxes()) {
    if (!box->Visible()) continue;
    painter.save();
    painter.setClipRect(box->Rect());
    painter.drawImage(box->Left(), box->Top(), box->Screen().Image());
    painter.translate(box->Left(), box->Top());
    DrawControls(painter, form, box);
    painter.restore();
  }
  DrawControls(painter, form, nullptr);
  return screen;
}

std::size_t ScreenState(const frmWorm& form) {
  std::size_t state = Surface::ChangeCount();
  auto mix = [&state](std::size_t value) { state = state * 1000003u ^ value; };
  auto mixRect = [&mix](const QRect& rect, bool visible) {
    mix(qHash(rect.x()) ^ qHash(rect.y()) << 1 ^ qHash(rect.width()) << 2 ^
        qHash(rect.height()) << 3 ^ visible);
  };
  for (const PictureBox* box : form.ScreenBoxes()) mixRect(box->Rect(), box->Visible());
  for (const Label* label : form.Labels()) {
    mixRect(label->Rect(), label->Visible);
    mix(qHash(label->Caption()) ^ label->ForeColor.rgb());
  }
  for (const ProgressBar* bar : form.ProgressBars()) {
    mixRect(bar->Rect(), bar->Visible);
    mix(qHash(bar->Value));
  }
  return state;
}
