#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/enter_editor.h"
#include "editor/window/qt_toolbox.h"
#include "platform/attach_game_window.h"
#include "platform/game_window.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>

// worm_editor_tool [--window] [--new | database]: the editor on a database
// of the track folder (default "Vora.wdb"), on a path, or on a new database;
// leaving the editor ends the program.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QStringList arguments = application.arguments().mid(1);
  const bool windowed = arguments.removeAll(QStringLiteral("--window")) > 0;
  const bool fresh = arguments.removeAll(QStringLiteral("--new")) > 0;
  const QString database = arguments.isEmpty() ? QStringLiteral("Vora.wdb") : arguments.first();

  QtPlatform platform;
  frmWorm form(platform);
  GameWindow window(form);
  AttachGameWindow(platform, form, window);
  const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/Track/");
  const QString path = QFileInfo(database).isAbsolute() || QFileInfo::exists(database)
                           ? QFileInfo(database).absoluteFilePath()
                           : folder + database;
  if (!form.Form_Load(fresh ? QString() : path)) return 1;
  form.tmrMainMenu.OnTimer = [&form] { form.ExitProgram(); };
  form.tmrMainMenu.SetEnabled(false);
  QtToolboxHost host(&window, [&window] { window.RefreshScreen(); });
  Editor editor(form, host);
  window.Open(windowed);
  QTimer::singleShot(0, &window, [&] {
    form.RunEvent([&] { form.Form_Activate(); });
    form.RunEvent([&] { EnterEditor(editor); });
  });
  return application.exec();
}
