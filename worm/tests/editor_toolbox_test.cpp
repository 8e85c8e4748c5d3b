#include "editor/update_tab.h"
#include "editor_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace {

class EditorToolboxTest : public EditorFixture {
 protected:
  // A database of count new tracks, track 1 current.
  void UseTracks(int count) {
    form.Database.TrackCount = static_cast<std::uint8_t>(count);
    form.Database.Tracks.resize(count + 1);
    UpdateTab(editor, TrackTab);
  }
  template <typename Widget>
  Widget& Find(const QString& name) {
    auto* widget = Toolbox().findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return *widget;
  }
};

TEST_F(EditorToolboxTest, TheToolboxFloatsAtItsPlaceWithItsControls) {
  frmToolBox& toolbox = Toolbox();
  EXPECT_TRUE(toolbox.isVisible());
  EXPECT_EQ(toolbox.windowTitle(), "NoName (0)");
  EXPECT_TRUE(toolbox.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(toolbox.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  const int menuHeight = toolbox.height() - frmToolBox::ClientHeight;
  EXPECT_EQ(toolbox.width(), 218);
  EXPECT_EQ(toolbox.minimumSize(), toolbox.maximumSize()) << "fixed size";
  EXPECT_EQ(toolbox.geometry().topLeft() + QPoint(0, menuHeight), QPoint(201, 152));

  EXPECT_EQ(Find<QToolButton>("Button1").toolTip(), "Pen");
  EXPECT_EQ(Find<QToolButton>("Button2").toolTip(), "Filled Rectangel");
  EXPECT_EQ(Find<QToolButton>("Button21").toolTip(), "Sky");
  EXPECT_EQ(Find<QToolButton>("Button55").toolTip(), "Rock (Soft)");
  EXPECT_EQ(Find<QToolButton>("Button60").toolTip(), "Parking");
  EXPECT_FALSE(Find<QToolButton>("Button61").isEnabled());
  EXPECT_TRUE(Find<QToolButton>("Button1").isChecked());
  EXPECT_TRUE(Find<QToolButton>("Button12").isChecked());
  EXPECT_EQ(toolbox.findChildren<QToolButton*>(QRegularExpression("^Button")).size(), 60);

  auto& tabs = Find<QTabWidget>("tabConfig");
  QStringList captions;
  for (int i = 0; i < tabs.count(); ++i) captions << tabs.tabText(i);
  EXPECT_EQ(captions, (QStringList{"Track", "Direction", "Track Config", "Database Config",
                                   "Choose Databas", "Database"}));
  EXPECT_EQ(Find<QGroupBox>("FrameTab4").title(), "Choose Database");
  EXPECT_EQ(Find<QComboBox>("cmbTrackName").currentText(), "NoName");
  EXPECT_EQ(Find<QSlider>("slrTrackNumber").toolTip(), "Select Track");
  EXPECT_FALSE(Find<QPushButton>("cmdDatabase2").isEnabled()) << "Save without changes";
  QStringList panels;
  for (QLabel* panel : Find<QWidget>("sbConfig").findChildren<QLabel*>())
    panels << panel->text() + "|" + panel->toolTip();
  EXPECT_EQ(panels.mid(0, 3), (QStringList{"1/1|Shows Tracknumber", "|Drawing Cordinates",
                                           "Dirt|Choosen Drawingblock"}));
  EXPECT_EQ(editor.Controls.lblTrimTrack[3], "Length: 5");
  EXPECT_EQ(editor.Controls.lblTrimDB[1], "Lives: 3");
}

TEST_F(EditorToolboxTest, TheTrackSliderFollowsTheNumberOfTracks) {
  struct Case {
    int tracks;
    bool enabled;
    int maximum;
    int tick;
  };
  for (const Case c : {Case{1, false, 2, 1}, Case{2, true, 2, 1}, Case{10, true, 10, 1},
                       Case{11, true, 11, 2}, Case{100, true, 100, 10}}) {
    SCOPED_TRACE(c.tracks);
    UseTracks(c.tracks);
    auto& slider = Find<QSlider>("slrTrackNumber");
    EXPECT_EQ(slider.isEnabled(), c.enabled);
    EXPECT_EQ(slider.maximum(), c.maximum);
    EXPECT_EQ(slider.tickInterval(), c.tick);
    EXPECT_EQ(Find<QPushButton>("cmdTrackNumber1").isEnabled(), c.tracks >= 2) << "Remove";
    EXPECT_EQ(Find<QPushButton>("cmdTrackNumber0").isEnabled(), c.tracks < 100) << "Add";
  }
}

TEST_F(EditorToolboxTest, MouseCellsUpToTheLastPixelAtScaleOneAndTwo) {
  for (const int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    window.resize(640 * scale, 480 * scale);
    auto at = [scale](int x, int y) { return QPoint((2 + x) * scale + scale - 1, (36 + y) * scale + scale - 1); };
    MoveTo(at(623, 431), Qt::NoButton);
    EXPECT_EQ(editor.Controls.sbConfig[2].Text, "51,35");
    MoveTo(at(12, 12), Qt::NoButton);
    EXPECT_EQ(editor.Controls.sbConfig[2].Text, "1,1");
    MoveTo(at(624, 432), Qt::NoButton);
    EXPECT_EQ(editor.Controls.sbConfig[2].Text, "1,1") << "the border ring is not drawable";
    MoveTo(at(11, 11), Qt::NoButton);
    EXPECT_EQ(editor.Controls.sbConfig[2].Text, "1,1");
  }
}

TEST_F(EditorToolboxTest, CtrlSwapsTheToolboxAndTheKeyboard) {
  QTest::keyPress(&Toolbox(), Qt::Key_Control);
  EXPECT_FALSE(Toolbox().isVisible());
  EXPECT_TRUE(editor.ToolboxHidden);
  EXPECT_EQ(platform.FocusChanges.back(), FocusWindow::Game);
  EXPECT_FALSE(editor.Controls.mnuAction(10).Checked);
  QTest::keyPress(&window, Qt::Key_Control);
  EXPECT_TRUE(Toolbox().isVisible());
  EXPECT_EQ(platform.FocusChanges.back(), FocusWindow::Toolbox);
  EXPECT_TRUE(editor.Controls.mnuAction(10).Checked);
}

TEST_F(EditorToolboxTest, TheToolboxMenuRunsItsItemsWithTheirStates) {
  auto* menu = Toolbox().findChild<QMenu*>("mnuToolBox");
  ASSERT_NE(menu, nullptr);
  std::map<QString, QAction*> items;
  for (QAction* action : menu->findChildren<QAction*>()) items[action->text()] = action;
  emit menu->aboutToShow();
  EXPECT_FALSE(items["Undo"]->isEnabled());
  EXPECT_FALSE(items["Save"]->isEnabled());
  EXPECT_TRUE(items["Toolbox"]->isChecked());
  ChooseBlock(WallHardButton);
  Press(CellPoint(3, 3));
  Release(CellPoint(3, 3));
  emit menu->aboutToShow();
  ASSERT_TRUE(items["Undo"]->isEnabled());
  EXPECT_TRUE(items["Save"]->isEnabled());
  items["Undo"]->trigger();
  EXPECT_EQ(BlockAt(3, 3), 0);
  items["Toolbox"]->trigger();
  EXPECT_TRUE(editor.ToolboxHidden);
}

TEST_F(EditorToolboxTest, ShortcutsDoNothingWhileATrackIsTested) {
  ChooseBlock(WallHardButton);
  Press(CellPoint(3, 3));
  Release(CellPoint(3, 3));
  const TrackRecord drawn = Track();
  editor.TestingTrack = true;
  for (QWidget* target : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&Toolbox())})
    for (const Qt::Key key : {Qt::Key_U, Qt::Key_R, Qt::Key_F1, Qt::Key_F2, Qt::Key_F6, Qt::Key_Control})
      QTest::keyPress(target, key);
  Press(CellPoint(4, 4));
  Release(CellPoint(4, 4));
  EXPECT_EQ(Track(), drawn);
  EXPECT_FALSE(form.GridShown);
  EXPECT_TRUE(Toolbox().isVisible());
  EXPECT_TRUE(platform.Beeps.empty());
  EXPECT_TRUE(platform.Questions.empty());
  editor.TestingTrack = false;
  QTest::keyPress(&window, Qt::Key_U);
  EXPECT_NE(Track(), drawn) << "and act again afterwards";
}

TEST_F(EditorToolboxTest, EnteringAgainStartsANewDatabase) {
  ChooseBlock(WallHardButton);
  ClickButton(3);
  DragCells(2, 2, 4, 4);
  platform.AnswerMessage(MessageAnswer::No);  // do not save
  ASSERT_TRUE(ToolboxCloseRequest(editor));
  EXPECT_FALSE(form.InEditor);
  EXPECT_TRUE(form.tmrMainMenu.Enabled());
  EnterEditor(editor);
  EXPECT_EQ(form.Database.TrackCount, 1);
  EXPECT_EQ(Track().Name, "NoName");
  EXPECT_EQ(BlockAt(3, 2), 0);
  EXPECT_EQ(form.Database.Settings, (DatabaseSettings{3, 5, 5, 0}));
  EXPECT_EQ(editor.CurrentTool, 1);
  EXPECT_EQ(editor.CurrentBlock, 0);
  EXPECT_FALSE(editor.Changed);
  EXPECT_TRUE(Find<QToolButton>("Button1").isChecked());
  EXPECT_TRUE(Find<QToolButton>("Button12").isChecked());
  EXPECT_EQ(editor.Controls.sbConfig[3].Text, "Dirt");
}

}  // namespace
