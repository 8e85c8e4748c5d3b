#include "core/frm_worm.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "shell/main_menu.h"

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
  MainMenu menu(form, [&form] {
    // Until the editor is built: a notice, then the menu again (or the end,
    // when the program was started on a database).
    form.System.ShowCursor(true);
    form.System.MessageBox(QStringLiteral("The track editor is not available yet."),
                           QStringLiteral("The Vora"), MessageButtons::Ok,
                           MessageIcon::Exclamation);
    form.System.ShowCursor(false);
    if (form.CommandLine.isEmpty())
      form.tmrMainMenu.SetEnabled(true);
    else
      form.ExitProgram();
  });

  if (!form.Form_Load(arguments.join(' '))) return 1;
  window.Open(windowed);
  // Without a window manager the window may never be activated.
  QTimer::singleShot(0, &window, window.OnActivate);
  return application.exec();
}
