#include "core/blit.h"

#include <QImage>
#include <QRect>
#include <algorithm>

#include "core/surface.h"

namespace {

constexpr QRgb ColourBits = 0x00FFFFFF;

QRgb Combine(QRgb destination, QRgb source, int mode) {
  switch (mode) {
    case BLIT_AND:
      return destination & source;
    case BLIT_OR:
      return destination | source;
    case BLIT_XOR:
      return (destination ^ source) | ~ColourBits;
    case BLIT_NOT_SOURCE:
      return ~source | ~ColourBits;
    default:
      return source;
  }
}

}  // namespace

int Blit(int source, int destination, int sourceX, int sourceY, int width, int height,
         int destinationX, int destinationY, int mode) {
  Surface* from = SurfaceInUse(source);
  Surface* to = SurfaceInUse(destination);
  if (!from || !to) return 1;
  // Top-down rows of both rectangles.
  int sourceTop = from->height - sourceY - height;
  int destinationTop = to->height - destinationY - height;
  int left = std::max({0, -sourceX, -destinationX});
  int top = std::max({0, -sourceTop, -destinationTop});
  int right = std::min({width, from->width - sourceX, to->width - destinationX});
  int bottom = std::min({height, from->height - sourceTop, to->height - destinationTop});
  if (left >= right || top >= bottom) return 0;
  // A copy of the source part, so a surface may be blitted onto itself.
  QImage part =
      from->device.copy(QRect(sourceX + left, sourceTop + top, right - left, bottom - top));
  for (int row = 0; row < part.height(); ++row) {
    auto* target = reinterpret_cast<QRgb*>(to->device.scanLine(destinationTop + top + row)) +
                   destinationX + left;
    const auto* pixels = reinterpret_cast<const QRgb*>(part.constScanLine(row));
    for (int column = 0; column < part.width(); ++column) {
      target[column] = Combine(target[column], pixels[column], mode);
    }
  }
  return 0;
}
