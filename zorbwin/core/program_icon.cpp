#include "core/program_icon.h"

#include <QPainter>

namespace {

constexpr int ICON_SIZE = 32;
const QColor WALL_BLUE(0, 0, 255);
const QColor EATER_YELLOW(255, 255, 0);

// A corridor of the maze with its two walls.
void DrawCorridor(QPainter& painter) {
  painter.setBrush(Qt::black);
  painter.drawRect(0, 0, ICON_SIZE, ICON_SIZE);
  painter.setBrush(WALL_BLUE);
  painter.drawRect(0, 2, ICON_SIZE, 4);
  painter.drawRect(0, 26, ICON_SIZE, 4);
}

}  // namespace

QImage ProgramIcon() {
  QImage icon(ICON_SIZE, ICON_SIZE, QImage::Format_ARGB32);
  QPainter painter(&icon);
  painter.setPen(Qt::NoPen);
  DrawCorridor(painter);
  painter.setBrush(EATER_YELLOW);
  painter.drawPie(QRect(1, 8, 16, 16), 40 * 16, 280 * 16);
  for (int x : {19, 26}) painter.drawRect(x, 15, 3, 3);
  return icon;
}
