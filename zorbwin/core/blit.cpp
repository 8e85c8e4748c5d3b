#include "core/blit.h"

#include <QImage>
#include <QRect>
#include <algorithm>

#include "core/surface.h"

namespace {

constexpr QRgb ColourBits = 0x00FFFFFF;

template <int Mode>
QRgb Combine(QRgb destination, QRgb source) {
  switch (Mode) {
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

// Combines the part of source into image with its top-left corner at the
// top-down pixel at; true when any pixel changed.
template <int Mode>
bool CombineRows(QImage& image, QPoint at, const QImage& source, QRect part) {
  bool changed = false;
  uchar* targetRow = image.bits() + at.y() * image.bytesPerLine();
  const uchar* sourceRow = source.constBits() + part.y() * source.bytesPerLine();
  for (int row = 0; row < part.height(); ++row) {
    auto* target = reinterpret_cast<QRgb*>(targetRow) + at.x();
    const auto* pixels = reinterpret_cast<const QRgb*>(sourceRow) + part.x();
    for (int column = 0; column < part.width(); ++column) {
      const QRgb combined = Combine<Mode>(target[column], pixels[column]);
      changed |= combined != target[column];
      target[column] = combined;
    }
    targetRow += image.bytesPerLine();
    sourceRow += source.bytesPerLine();
  }
  return changed;
}

bool CombineInto(QImage& image, QPoint at, const QImage& source, QRect part, int mode) {
  switch (mode) {
    case BLIT_AND:
      return CombineRows<BLIT_AND>(image, at, source, part);
    case BLIT_OR:
      return CombineRows<BLIT_OR>(image, at, source, part);
    case BLIT_XOR:
      return CombineRows<BLIT_XOR>(image, at, source, part);
    case BLIT_NOT_SOURCE:
      return CombineRows<BLIT_NOT_SOURCE>(image, at, source, part);
    default:
      return CombineRows<BLIT_COPY>(image, at, source, part);
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
  QRect part(sourceX + left, sourceTop + top, right - left, bottom - top);
  // A surface blitted onto itself reads from a copy of the part.
  QImage copy;
  if (from == to) {
    copy = from->device.copy(part);
    part.moveTopLeft(QPoint(0, 0));
  }
  const QImage& pixels = from == to ? copy : from->device;
  const QPoint at(destinationX + left, destinationTop + top);
  if (!CombineInto(to->device, at, pixels, part, mode)) return 0;
  ++to->drawings;
  // A window shows only what changed: the whole rectangle when any pixel did.
  if (to->flags & SURFACE_WINDOW) to->changed += QRect(at, part.size());
  return 0;
}
