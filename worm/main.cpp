#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/enter_editor.h"
#include "editor/window/qt_toolbox.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"
#include "shell/main_menu.h"

#include <QApplication>
#include <QFileInfo>
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
  QtToolboxHost toolboxHost(&window, [&window] { window.RefreshScreen(); });
  Editor editor(form, toolboxHost);
  MainMenu menu(form, [&editor] { EnterEditor(editor); });

  // A database given by a relative path is opened from where the program started.
  const QString database = arguments.join(' ');
  if (!form.Form_Load(database.isEmpty() ? database : QFileInfo(database).absoluteFilePath()))
    return 1;
  window.Open(windowed);
  // Without a window manager the window may never be activated.
  QTimer::singleShot(0, &window, window.OnActivate);
  return application.exec();
}
