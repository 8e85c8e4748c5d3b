#include "bulls_eye_picture.h"

#include <QPainter>
#include <QRadialGradient>

QImage BullsEyePicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size / 2.0, size / 2.0);
  const double radius = size / 2.0 - 0.5;

  // A hollow lit from the upper left: its far rim is brighter than its near one.
  QRadialGradient hollow(centre + QPointF(radius * 0.25, radius * 0.25), radius * 1.2);
  hollow.setColorAt(0.0, QColor(250, 253, 255));
  hollow.setColorAt(0.7, QColor(214, 232, 240));
  hollow.setColorAt(1.0, QColor(120, 150, 170));
  painter.setPen(QPen(QColor(60, 90, 110), 1.0));
  painter.setBrush(hollow);
  painter.drawEllipse(centre, radius, radius);

  painter.setBrush(Qt::NoBrush);
  const QColor rings[] = {QColor(150, 180, 200), QColor(110, 145, 170), QColor(80, 115, 145)};
  for (int ring = 0; ring < 3; ++ring) {
    painter.setPen(QPen(rings[ring], 1.3));
    const double r = radius * (0.72 - 0.22 * ring);
    painter.drawEllipse(centre, r, r);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(80, 115, 145));
  painter.drawEllipse(centre, radius * 0.08, radius * 0.08);
  return image;
}
