#include "go_frame.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kCaptionLeft = 8;
const QString kCaption = "GO";

}  // namespace

GoFrame::GoFrame(QWidget* parent) : QWidget(parent) {
  QFont captionFont = font();
  captionFont.setBold(true);
  setFont(captionFont);
}

void GoFrame::SetBorderStyle(int borderStyle) {
  borderStyle_ = borderStyle;
  update();
}

// An etched border whose top edge is broken by the caption.
void GoFrame::paintEvent(QPaintEvent*) {
  if (borderStyle_ != kBorderShown) return;
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect border = rect().adjusted(0, top, -2, -2);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(border);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(border.translated(1, 1));

  const int captionWidth = metrics.horizontalAdvance(kCaption) + 4;
  const QRect caption(kCaptionLeft, 0, captionWidth, metrics.height());
  painter.fillRect(caption, palette().color(QPalette::Window));
  painter.setPen(Qt::red);
  painter.drawText(caption, Qt::AlignCenter, kCaption);
}
