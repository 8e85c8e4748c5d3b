#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <array>
#include <cstdint>

// Drawing surfaces: a table of 10 slots of in-memory images. Positions on a
// surface count y upward from its bottom edge. Results: 0 success, 1 slot not
// in use, 2 the image could not be made, 3 no free slot.
constexpr int SurfaceSlots = 10;

enum SurfaceFlags : std::uint16_t {
  SURFACE_IN_USE = 1,
  SURFACE_WINDOW = 2,  // the picture a window shows
  SURFACE_OFFSCREEN = 4,
};

struct Surface {
  QImage device;
  int window = -1;  // window slot of a window surface
  std::uint16_t flags = 0;
  std::int16_t width = 0;
  std::int16_t height = 0;
  // Window surface: the part drawn over with new pixels since the window
  // last took it, in top-down pixels.
  QRegion changed;
  // How many blits have changed its pixels.
  std::uint64_t drawings = 0;
};

extern std::array<Surface, SurfaceSlots> surfaces;

// Marks every slot free (start-up).
void ClearSurfaces();
// A surface shown by the window of windowSlot, black at first.
int CreateWindowSurface(int windowSlot, int width, int height, int& surface);
// An off-screen surface, black at first.
int CreateOffscreenSurface(int width, int height, int& surface);
int ReleaseSurface(int surface);

// The slot's surface, or none when it is not in use.
Surface* SurfaceInUse(int surface);

// Whether a window surface has changes the window has not taken yet.
bool SurfaceChanged(int surface);
// The changes of a window surface since the last call, top-down; empty for
// an off-screen surface or a slot not in use.
QRegion TakeChangedRegion(int surface);
