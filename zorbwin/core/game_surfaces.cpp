#include "core/game_surfaces.h"

#include "core/sprite_sheet.h"
#include "core/surface.h"

GameSurfaces gameSurfaces;

int CreateGameSurfaces(int windowSlot) {
  GameSurfaces created;
  int result = CreateWindowSurface(windowSlot, WindowSurfaceWidth, WindowSurfaceHeight,
                                   created.windowSurface);
  if (result == 0) {
    result =
        CreateOffscreenSurface(WindowSurfaceWidth, WindowSurfaceHeight, created.backgroundSurface);
  }
  if (result == 0) {
    result = CreateOffscreenSurface(WindowSurfaceWidth, WindowSurfaceHeight, created.workSurface);
  }
  if (result == 0) {
    result = CreateOffscreenSurface(SpriteSheetWidth, SpriteSheetHeight, created.spriteSurface);
  }
  gameSurfaces = created;
  if (result == 0) result = StartSpriteSheet(spriteSheet, created.spriteSurface);
  if (result == 0) result = LoadSpriteList(spriteSheet);
  return result;
}

void ReleaseGameSurfaces() {
  for (int surface : {gameSurfaces.windowSurface, gameSurfaces.spriteSurface,
                      gameSurfaces.backgroundSurface, gameSurfaces.workSurface}) {
    ReleaseSurface(surface);
  }
  gameSurfaces = GameSurfaces{};
  spriteSheet = SpriteSheet{};
}
