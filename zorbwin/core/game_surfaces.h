#pragma once

#include <optional>

#include "core/frame_drawing.h"

// The four surfaces of the game, from the start event to the window's end.
constexpr int WindowSurfaceWidth = 580;
constexpr int WindowSurfaceHeight = 380;

struct GameSurfaces {
  int windowSurface = -1;      // what the main window shows: maze and panel
  int backgroundSurface = -1;  // maze and panel frame, no actors or texts
  int workSurface = -1;        // background plus actors, before the window
  int spriteSurface = -1;      // the sprite sheet
  // What the window shows the actors from, after the last frame.
  std::optional<FrameSource> shownFrame;
};

extern GameSurfaces gameSurfaces;

// Creates the surfaces, the window surface shown by the window of
// windowSlot, and packs every sprite into the sheet. 0, or the first error.
int CreateGameSurfaces(int windowSlot);
// Releases the four surfaces.
void ReleaseGameSurfaces();
