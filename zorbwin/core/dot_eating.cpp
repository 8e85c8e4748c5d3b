#include "core/dot_eating.h"

#include <algorithm>

#include "core/actor_cells.h"
#include "core/blit.h"
#include "core/event_codes.h"
#include "core/frightened_chasers.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/resource_ids.h"
#include "core/scoring.h"
#include "core/sprite_ids.h"
#include "core/sprite_sheet.h"
#include "core/window_slots.h"

void EatDot(const Actor& player) {
  if (player.x % CellWidth != 0 || player.y % CellHeight != 0) return;
  if (CentreCell(player) != CellDot) return;
  SetCell(gameMaze, PixelColumn(player.x), PixelRow(player.y), CellCorridor);
  for (int surface : {gameSurfaces.backgroundSurface, gameSurfaces.windowSurface})
    DrawSprite(spriteSheet, surface, SpriteBlank, player.x, player.y, BLIT_COPY);
  AddScore(DotPoints);
  CheckExtraLives();
  if (--gameState.dotsLeft == 0) ClearMaze();
}

void ClearMaze() {
  AdvanceLevel();
  EndFrightenedTime();
  gameState.running = 0;
  gameState.fruitValue = std::min(gameState.fruitValue * 2, MostFruitPoints);
  PostEvent(FindWindowSlot(MAIN_WINDOW_ID), EV_NEXTLEVEL);
}
