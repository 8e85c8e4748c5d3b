#include "core/level_setup.h"

#include "core/actor_table.h"
#include "core/blit.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/level_file.h"
#include "core/level_values.h"
#include "core/maze.h"
#include "core/maze_drawing.h"
#include "core/panel_text.h"
#include "core/window_present.h"

int LoadCurrentLevel(int mainSlot) {
  if (!gameLevelFile) return 1;
  int record = LevelRecord(*gameLevelFile, gameState.level);
  if (ReadLevel(*gameLevelFile, gameMaze.cells, record) != LevelRead) return 1;
  SetUpLevel();
  RepaintWindow();
  RequestPresent(mainSlot);
  gameState.bonusTicks = 0;
  gameState.running = 1;
  return 0;
}

void SetUpLevel() {
  gameState.phase = PHASE_RESET;
  gameState.requestedDir = DIR_NONE;
  gameState.running = 0;
  ResetActors();

  SetWallSprite(gameMaze, LevelWallSprite(gameState.level));
  DrawMaze(gameMaze);
  gameState.dotsLeft = CountDots(gameMaze);
  DrawPanelFrame(gameMaze);
  Blit(gameSurfaces.backgroundSurface, gameSurfaces.windowSurface, 0, 0, WindowSurfaceWidth,
       WindowSurfaceHeight, 0, 0, BLIT_COPY);
  DrawPanelLabels();
  StartLevelActors();

  gameState.fruitLimit = LevelFruitLimit(gameState.level);
  gameState.running = 1;
}
