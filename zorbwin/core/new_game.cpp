#include "core/new_game.h"

#include "core/game_state.h"
#include "core/panel_text.h"
#include "core/settings_store.h"

void StartNewGame(const SettingsStore& store) {
  gameState.level = ReadStartingLevel(store);
  gameState.score = 0;
  gameState.lives = 3;
  gameState.fruitValue = 100;
  gameState.extraLife1 = 0;
  gameState.extraLife2 = 0;
  DrawPanelNumbers();
}
