#include "ui/init_game.h"

#include <mutex>

#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/game_thread.h"
#include "core/level_file.h"
#include "core/level_setup.h"
#include "core/new_game.h"
#include "core/resource_ids.h"
#include "core/settings_store.h"
#include "ui/dialog_wrappers.h"
#include "ui/game_window.h"
#include "ui/message_box.h"

namespace {

constexpr int WINDOW_X = 20;
constexpr int WINDOW_Y = 20;

int gameThreadSlot = -1;

}  // namespace

void InitGame(int slot) {
  {
    std::lock_guard lock(GameMutex());
    gameState.phase = PHASE_RESET;
    gameState.running = 0;
  }
  MoveWindow(slot, WINDOW_X, WINDOW_Y);
  std::unique_lock lock(GameMutex());
  CreateGameSurfaces(slot);
  gameLevelFile = OpenLevelFile(QString::fromLatin1(LevelFileName));
  if (!gameLevelFile) {
    lock.unlock();
    MessageBoxById(slot, STRING_CANNOT_OPEN, LevelFileName, 0, 'E');
    PostQuit();
    return;
  }
  StartNewGame(SettingsStore());
  LoadCurrentLevel(slot);
  lock.unlock();
  if (StartGameThread(gameThreadSlot) != 0) gameThreadSlot = -1;
}

void StopGame() {
  if (StopGameThread(gameThreadSlot) == 0) gameThreadSlot = -1;
}
