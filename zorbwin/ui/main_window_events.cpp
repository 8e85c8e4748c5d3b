#include "ui/main_window_events.h"

#include <iterator>
#include <mutex>

#include "core/event_codes.h"
#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/level_setup.h"
#include "core/maze_drawing.h"
#include "core/new_game.h"
#include "core/play_keys.h"
#include "core/resource_ids.h"
#include "core/settings_store.h"
#include "core/window_slots.h"
#include "ui/dialog_events.h"
#include "ui/dialog_wrappers.h"
#include "ui/init_game.h"

namespace {

template <uint8_t Dir>
void Steer(int, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  SteerKey(gameState, Dir);
}

void Pause(int, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  PauseKey(gameState);
}

void Created(int slot, const EventPoint*) { PostEvent(slot, EV_START); }

void Start(int slot, const EventPoint*) { InitGame(slot); }

void NextLevel(int slot, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  LoadCurrentLevel(slot);
}

void NewGame(int slot, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  StartNewGame(SettingsStore());
  LoadCurrentLevel(slot);
}

void About(int slot, const EventPoint*) { ShowAboutDialog(slot); }
void Options(int slot, const EventPoint*) { ShowOptionsDialog(slot); }
void BestOf(int slot, const EventPoint*) { ShowBestScoreDialog(slot); }
void Quit(int, const EventPoint*) { PostQuit(); }

void Paint(int, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  RepaintWindow();
}

void Destroyed(int, const EventPoint*) {
  StopGame();
  std::lock_guard lock(GameMutex());
  ReleaseGameSurfaces();
}

constexpr EventRow MAIN_WINDOW_EVENTS[] = {
    {EV_KEYDOWN, KEY_LEFT, Steer<DIR_LEFT>},
    {EV_KEYDOWN, KEY_RIGHT, Steer<DIR_RIGHT>},
    {EV_KEYDOWN, KEY_UP, Steer<DIR_UP>},
    {EV_KEYDOWN, KEY_DOWN, Steer<DIR_DOWN>},
    {EV_KEYDOWN, VK_P, Pause},
    {EV_KEYDOWN, VK_F1, Pause},
    {EV_CREATE, 0, Created},
    {EV_START, 0, Start},
    {EV_NEXTLEVEL, 0, NextLevel},
    {EV_MENU, CMD_NEW, NewGame},
    {EV_MENU, CMD_ABOUT, About},
    {EV_MENU, CMD_OPTIONS, Options},
    {EV_MENU, CMD_QUIT, Quit},
    {EV_MENU, CMD_BEST_OF, BestOf},
    {EV_PAINT, 0, Paint},
    {EV_CLOSE, 0, Quit},
    {EV_DESTROY, 0, Destroyed},
};

}  // namespace

int RegisterMainWindowEvents() {
  return RegisterEvents(MAIN_WINDOW_ID, std::size(MAIN_WINDOW_EVENTS), MAIN_WINDOW_EVENTS, 0);
}
