#include "core/surface.h"

#include <cstdint>
#include <utility>

std::array<Surface, SurfaceSlots> surfaces;

namespace {

int CreateSurface(int width, int height, std::uint16_t kind, int window, int& surface) {
  for (int slot = 0; slot < SurfaceSlots; ++slot) {
    if (surfaces[slot].flags & SURFACE_IN_USE) continue;
    if (width <= 0 || height <= 0 || width > INT16_MAX || height > INT16_MAX) return 2;
    QImage device(width, height, QImage::Format_RGB32);
    if (device.isNull()) return 2;
    device.fill(0xFF000000);
    surfaces[slot] = Surface{device, window, static_cast<std::uint16_t>(SURFACE_IN_USE | kind),
                             static_cast<std::int16_t>(width), static_cast<std::int16_t>(height),
                             QRegion(), 0};
    surface = slot;
    return 0;
  }
  return 3;
}

}  // namespace

void ClearSurfaces() { surfaces.fill(Surface{}); }

int CreateWindowSurface(int windowSlot, int width, int height, int& surface) {
  return CreateSurface(width, height, SURFACE_WINDOW, windowSlot, surface);
}

int CreateOffscreenSurface(int width, int height, int& surface) {
  return CreateSurface(width, height, SURFACE_OFFSCREEN, -1, surface);
}

int ReleaseSurface(int surface) {
  if (!SurfaceInUse(surface)) return 1;
  surfaces[surface] = Surface{};
  return 0;
}

Surface* SurfaceInUse(int surface) {
  if (surface < 0 || surface >= SurfaceSlots) return nullptr;
  Surface& slot = surfaces[surface];
  return (slot.flags & SURFACE_IN_USE) ? &slot : nullptr;
}

bool SurfaceChanged(int surface) {
  const Surface* slot = SurfaceInUse(surface);
  return slot != nullptr && !slot->changed.isEmpty();
}

QRegion TakeChangedRegion(int surface) {
  Surface* slot = SurfaceInUse(surface);
  return slot != nullptr ? std::exchange(slot->changed, QRegion()) : QRegion();
}
