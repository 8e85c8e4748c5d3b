#include "platform/attach_game_window.h"

#include "core/frm_worm.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"

void AttachGameWindow(QtPlatform& platform, frmWorm& form, GameWindow& window) {
  platform.Attach(window, [&form](const std::function<void()>& handler) { form.RunEvent(handler); });
  window.OnCloseRequest = [&platform, &form] {
    platform.RequestClose();
    form.RunEvent([] {});
  };
}
