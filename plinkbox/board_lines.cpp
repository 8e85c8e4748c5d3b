#include "board_lines.h"

#include <QPainter>

#include "twips.h"

namespace {

constexpr int kBoardLeft = 1680;
constexpr int kBoardTop = 1680;
constexpr int kBoardRight = 5880;
constexpr int kBoardBottom = 5880;
constexpr int kPitch = 600;
constexpr int kCellCentre = 1980;
constexpr int kMargin = 8;  // pixels around the board for the lines' width
const QColor kLineColour(0, 0, 128);

}  // namespace

BoardLines::BoardLines(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(QRect(TwipsPoint(kBoardLeft, kBoardTop), TwipsPoint(kBoardRight, kBoardBottom))
                  .adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

void BoardLines::SetWinnerLine(const WinnerLine& line) {
  winnerLine_ = line;
  update();
}

QPoint BoardLines::CellCentre(int cell) {
  return TwipsPoint(kCellCentre + kPitch * ColumnOf(cell), kCellCentre + kPitch * RowOf(cell));
}

void BoardLines::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.translate(-pos());
  painter.setPen(QPen(kLineColour, 6, Qt::SolidLine, Qt::SquareCap));
  for (int k = 0; k <= kColumns; ++k) {
    const int x = kBoardLeft + kPitch * k;
    painter.drawLine(TwipsPoint(x, kBoardTop), TwipsPoint(x, kBoardBottom));
  }
  painter.drawLine(TwipsPoint(kBoardLeft, kBoardBottom), TwipsPoint(kBoardRight, kBoardBottom));
  if (!winnerLine_.visible) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::red, 8, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(CellCentre(winnerLine_.from), CellCentre(winnerLine_.to));
}
