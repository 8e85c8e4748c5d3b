#include "platform/attach_game_window.h"

#include "core/frm_worm.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"

void AttachGameWindow(QtPlatform& platform, frmWorm& form, GameWindow& window) {
  platform.Attach(window, [&form](const std::function<void()>& handler) { form.RunEvent(handler); });
  window.OnCloseRequest = [&platform, &form] {
    // A guard is asked inside an event of its own; while another event is
    // busy it cannot ask, and the window stays open.
    bool close = !platform.HasCloseGuard();
    if (!close) form.RunEvent([&] { close = platform.CloseAllowed(); });
    if (!close) return;
    platform.RequestClose();
    form.RunEvent([] {});
  };
}
