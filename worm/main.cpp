#include "core/frm_worm.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

// worm [--window] [database.wdb]
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QStringList arguments = application.arguments().mid(1);
  const bool windowed = arguments.removeAll(QStringLiteral("--window")) > 0;

  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  window.OnActivate = [&form] { form.RunEvent([&form] { form.Form_Activate(); }); };

  if (!form.Form_Load(arguments.join(' '))) return 1;
  window.Open(windowed);
  // Without a window manager the window may never be activated.
  QTimer::singleShot(0, &window, window.OnActivate);
  return application.exec();
}
