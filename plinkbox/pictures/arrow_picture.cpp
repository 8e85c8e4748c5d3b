#include "arrow_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kWidth = 34;
constexpr int kHeight = 43;

QPainterPath ArrowOutline() {
  QPainterPath path;
  path.moveTo(7.5, 1.5);
  path.lineTo(26.5, 1.5);
  path.lineTo(26.5, 23.5);
  path.lineTo(32.5, 23.5);
  path.lineTo(17.0, 41.5);
  path.lineTo(1.5, 23.5);
  path.lineTo(7.5, 23.5);
  path.closeSubpath();
  return path;
}

}  // namespace

QImage ArrowPicture(int number) {
  QImage image(kWidth, kHeight, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient gold(0, 0, kWidth, 0);
  gold.setColorAt(0.0, QColor(255, 236, 140));
  gold.setColorAt(0.45, QColor(250, 190, 40));
  gold.setColorAt(1.0, QColor(190, 110, 10));
  painter.setBrush(gold);
  painter.setPen(QPen(QColor(90, 50, 0), 1.2));
  painter.drawPath(ArrowOutline());

  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(17);
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 96));
  painter.drawText(QRectF(7, 2, 20, 22), Qt::AlignCenter, QString::number(number));
  return image;
}
