#include "core/surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr QRgb Opaque = 0xFF000000;

QRgb Combine(QRgb destination, QRgb source, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: return source;
    case RasterOp::And: return destination & source;
    case RasterOp::Or: return destination | source;
    case RasterOp::Xor: return (destination ^ source) | Opaque;
    case RasterOp::NotCopy: return ~source | Opaque;
    case RasterOp::Blackness: return Opaque;
  }
  return source;
}

}  // namespace

QFont MakeFont(const QString& family, double points, bool bold) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

Surface::Surface(int width, int height, QColor fill)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
  image_.fill(fill);
  Changed();
}

QRgb Surface::Pixel(int x, int y) const { return image_.pixel(x, y); }

void Surface::Assign(const QImage& picture) {
  image_ = picture.convertToFormat(QImage::Format_RGB32);
  Changed();
}

void Surface::Resize(int width, int height, QColor fill) {
  if (QSize(width, height) == image_.size()) return;
  Surface resized(width, height, fill);
  resized.BitBlt(0, 0, Width(), Height(), *this, 0, 0, RasterOp::Copy);
  image_ = resized.image_;
  Changed();
}

void Surface::Fill(QColor colour) {
  image_.fill(colour);
  Changed();
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                     int sourceY, RasterOp op) {
  // Clip against the source, then against this surface.
  const int left = std::max({0, -sourceX, -x});
  const int top = std::max({0, -sourceY, -y});
  const int right = std::min({width, source.Width() - sourceX, Width() - x});
  const int bottom = std::min({height, source.Height() - sourceY, Height() - y});
  if (left >= right || top >= bottom) return;

  // A copy within one surface reads from a snapshot, so overlaps are safe.
  const QImage from = &source == this ? image_.copy() : source.image_;
  for (int row = top; row < bottom; ++row) {
    const QRgb* in = reinterpret_cast<const QRgb*>(from.constScanLine(sourceY + row)) + sourceX;
    QRgb* out = reinterpret_cast<QRgb*>(image_.scanLine(y + row)) + x;
    for (int column = left; column < right; ++column)
      out[column] = Combine(out[column], in[column], op);
  }
  Changed();
}

void Surface::FillRect(const QRect& rect, QColor colour) {
  const QRect clipped = rect & image_.rect();
  if (clipped.isEmpty()) return;
  const QRgb value = colour.rgb();
  for (int row = clipped.top(); row <= clipped.bottom(); ++row) {
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
    std::fill(line + clipped.left(), line + clipped.right() + 1, value);
  }
  Changed();
}

void Surface::InvertPixel(int x, int y, QRgb mask) {
  if (!image_.valid(x, y)) return;
  QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
  line[x] = (line[x] ^ mask) | Opaque;
}

void Surface::XorLine(QPoint from, QPoint to, QColor colour) {
  // Bresenham from the start point up to, not including, the end point.
  const QRgb mask = colour.rgb() & 0x00FFFFFF;
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int stepX = from.x() < to.x() ? 1 : -1;
  const int stepY = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  QPoint point = from;
  while (point != to) {
    InvertPixel(point.x(), point.y(), mask);
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      point.rx() += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      point.ry() += stepY;
    }
  }
  Changed();
}

void Surface::InvertFocusRect(const QRect& rect) {
  // Walk the outline once, inverting every second pixel.
  const int left = rect.left();
  const int top = rect.top();
  const int right = left + rect.width() - 1;
  const int bottom = top + rect.height() - 1;
  if (right < left || bottom < top) return;
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) InvertPixel(x, y, 0x00FFFFFF);
  };
  for (int x = left; x <= right; ++x) dot(x, top);
  for (int y = top + 1; y <= bottom; ++y) dot(right, y);
  for (int x = right - 1; x >= left && bottom > top; --x) dot(x, bottom);
  for (int y = bottom - 1; y > top && right > left; --y) dot(left, y);
  Changed();
}

void Surface::TextOut(int x, int y, const QString& text) {
  if (image_.isNull()) return;
  const QFontMetrics metrics(Font);
  QPainter painter(&image_);
  painter.setFont(Font);
  if (!FontTransparent)
    painter.fillRect(QRect(QPoint(x, y), TextExtent(text)), BackColor);
  painter.setPen(ForeColor);
  painter.drawText(x, y + metrics.ascent(), text);
  Changed();
}

QSize Surface::TextExtent(const QString& text) const {
  const QFontMetrics metrics(Font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}
