#include <QApplication>

#include "core/game_state.h"
#include "core/level_file.h"
#include "core/resource_ids.h"
#include "core/settings_store.h"
#include "core/surface.h"
#include "core/window_slots.h"
#include "ui/game_window.h"
#include "ui/main_window_events.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  ClearSurfaces();
  ClearWindowSlots();
  LoadSettings(gameState, SettingsStore());
  RegisterMainWindowEvents();
  const int slot = CreateMainWindow(MAIN_WINDOW_ID, QStringLiteral("Zorbix 2.3"),
                                    WINDOW_MINIMISE_BOX);
  const int code = application.exec();
  DestroyMainWindow(slot);
  gameLevelFile.reset();
  SaveSettings(gameState, SettingsStore());
  return code;
}
