#pragma once

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/enter_editor.h"
#include "editor/window/frm_tool_box.h"
#include "editor/window/qt_toolbox.h"
#include "platform/game_window.h"
#include "render_fixture.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QComboBox>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

// The editor entered on the real windows (offscreen): the game window at
// scale 1 with the playfield at (2, 36), the toolbox over it, the scripted
// platform answering the questions.
class EditorFixture : public RenderFixture {
 protected:
  EditorFixture() {
    SavePicture("Playfield.gif", 636, 444, QColor(150, 110, 60));
    SavePicture("PlayfieldGrid.gif", 636, 444, QColor(60, 90, 150));
    SavePicture("EditorHead.bmp", 636, 45, QColor(20, 20, 60));
    form.TrackPath = folder.path() + QStringLiteral("/Track/");
    form.CurserPath = folder.path() + QStringLiteral("/Curser/");
    form.AppName = QStringLiteral("Vora");
    QDir().mkpath(form.TrackPath);
    platform.AttachForm(form);
    window.resize(640, 480);
    window.show();
    EnterEditor(editor);
  }

  frmToolBox& Toolbox() {
    return *static_cast<QtToolboxWindow&>(*editor.Toolbox).Widget();
  }
  TrackRecord& Track() { return form.Database.Tracks[form.CurrentTrack]; }
  std::uint8_t BlockAt(int column, int row) { return Track().Blocks[BlockIndex(column, row)]; }
  std::uint8_t GroundAt(int column, int row) { return Track().Ground[GroundIndex(column, row)]; }

  // A click on toolbar button n.
  void ClickButton(int n) {
    auto* button = Toolbox().findChild<QToolButton*>(QStringLiteral("Button%1").arg(n));
    ASSERT_NE(button, nullptr) << n;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  // The game window's point at pixel (dx, dy) of cell (column, row).
  static QPoint CellPoint(int column, int row, int dx = 6, int dy = 6) {
    return {2 + column * 12 + dx, 36 + row * 12 + dy};
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(&window, button, Qt::NoModifier, at);
  }
  void MoveTo(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
  }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(&window, button, Qt::NoModifier, at);
  }
  // A left-button drag from one cell to another through the cells between.
  void DragCells(int fromColumn, int fromRow, int toColumn, int toRow) {
    Press(CellPoint(fromColumn, fromRow));
    const int steps = std::max(std::abs(toColumn - fromColumn), std::abs(toRow - fromRow));
    for (int step = 1; step <= steps; ++step)
      MoveTo(CellPoint(fromColumn + (toColumn - fromColumn) * step / steps,
                       fromRow + (toRow - fromRow) * step / steps));
    Release(CellPoint(toColumn, toRow));
  }
  void ChooseBlock(int button) { ClickButton(button); }
  // The playfield as the screen shows it.
  QImage PlayField() const { return form.picPlayField.Screen().Image().copy(); }

  // Runs inspect on the next popup menu, then closes it.
  static void OnNextPopup(std::function<void(QMenu&)> inspect) {
    QTimer::singleShot(0, [inspect] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      inspect(*menu);
      menu->close();
    });
  }

  GameWindow window{form};
  QtToolboxHost host{&window, [this] { window.RefreshScreen(); }};
  Editor editor{form, host};
};

// Toolbar buttons of the blocks used in the tests.
constexpr int DirtButton = 12;
constexpr int WaterButton = 13;
constexpr int SandButton = 22;
constexpr int WormholeStartButton = 24;
constexpr int WormholeExitButton = 25;
constexpr int YellowKeyButton = 26;
constexpr int AppleButton = 32;
constexpr int YellowDoorButton = 41;
constexpr int WallHardButton = 48;
