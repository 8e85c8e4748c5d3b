#include "core/block_codes.h"
#include "editor/undo_buffer.h"
#include "editor/undo_commands.h"
#include "editor_fixture.h"

namespace {

// A track told apart by the name n.
TrackRecord State(int n) {
  TrackRecord track;
  track.Name = QString::number(n);
  return track;
}

// The names of the snapshots reached by undo steps until the beep.
std::vector<int> UndoAll(UndoBuffer& buffer) {
  std::vector<int> names;
  while (const std::optional<TrackRecord> snapshot = buffer.Undo())
    names.push_back(snapshot->Name.toInt());
  return names;
}

TEST(UndoBufferTest, ThreeChangesBackAndForth) {
  UndoBuffer buffer;
  buffer.Reset(State(0));
  EXPECT_FALSE(buffer.Undo()) << "right after a reset";
  EXPECT_FALSE(buffer.Redo());
  for (int n = 1; n <= 3; ++n) buffer.Record(State(n));
  EXPECT_EQ(UndoAll(buffer), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(buffer.Redo()->Name, "1");
  EXPECT_EQ(buffer.Redo()->Name, "2");
  EXPECT_EQ(buffer.Redo()->Name, "3");
  EXPECT_FALSE(buffer.Redo());
  EXPECT_EQ(buffer.UndoPtr(), 3);
}

TEST(UndoBufferTest, ANewChangeAfterUndoKeepsTheUndoneStates) {
  UndoBuffer buffer;
  buffer.Reset(State(0));
  for (int n = 1; n <= 3; ++n) buffer.Record(State(n));
  buffer.Undo();
  EXPECT_EQ(buffer.Undo()->Name, "1");
  buffer.Record(State(4));
  EXPECT_EQ(buffer.UndoNr(), 4);
  EXPECT_EQ(UndoAll(buffer), (std::vector<int>{3, 2, 1, 0}));
}

TEST(UndoBufferTest, FiftyFiveChangesKeepTheNewestFiftyOne) {
  UndoBuffer buffer;
  buffer.Reset(State(0));
  for (int n = 1; n <= 55; ++n) buffer.Record(State(n));
  EXPECT_EQ(buffer.UndoNr(), 50);
  EXPECT_EQ(buffer.UndoPtr(), 50);
  const std::vector<int> reached = UndoAll(buffer);
  ASSERT_EQ(reached.size(), 50u) << "the 51st undo beeps";
  EXPECT_EQ(reached.front(), 54);
  EXPECT_EQ(reached.back(), 5);
}

class EditorUndoTest : public EditorFixture {
 protected:
  void PenAt(int column, int row) {
    Press(CellPoint(column, row));
    Release(CellPoint(column, row));
  }
};

TEST_F(EditorUndoTest, UndoAndRedoKeysRestoreTheTrackOnScreen) {
  ChooseBlock(WallHardButton);
  PenAt(3, 3);
  PenAt(4, 3);
  PenAt(5, 3);
  editor.Changed = false;
  editor.TrackTested[1] = true;
  for (int i = 0; i < 3; ++i) QTest::keyPress(&window, Qt::Key_U);
  EXPECT_EQ(BlockAt(3, 3), Blocks::Dirt);
  EXPECT_TRUE(ShowsSheetCell(PlayField(), 3 * 12, 3 * 12, Blocks::Dirt));
  EXPECT_TRUE(platform.Beeps.empty());
  QTest::keyPress(&window, Qt::Key_U);
  EXPECT_EQ(platform.Beeps.size(), 1u) << "at the start of the history";
  for (int i = 0; i < 3; ++i) QTest::keyPress(&Toolbox(), Qt::Key_R);
  EXPECT_EQ(BlockAt(5, 3), Blocks::WallHard);
  EXPECT_TRUE(ShowsSheetCell(PlayField(), 5 * 12, 3 * 12, Blocks::WallHard));
  ClickButton(7);
  EXPECT_EQ(platform.Beeps.size(), 2u) << "at the newest state";
  EXPECT_FALSE(editor.Changed) << "undo and redo leave Changed";
  EXPECT_TRUE(editor.TrackTested[1]);
}

TEST_F(EditorUndoTest, UndoRestoresTheNameAndStartValuesInTheToolbox) {
  Track().Name = QStringLiteral("Canyon");
  Track().StartSpeed = 77;
  Track().StartDirection = 6;
  SaveUndoInfo(editor, UndoMode::Record);
  Track().Name = QStringLiteral("Later");
  Track().StartSpeed = 12;
  SaveUndoInfo(editor, UndoMode::Record);
  ClickButton(6);
  EXPECT_EQ(Track().Name, "Canyon");
  EXPECT_EQ(editor.Controls.cmbTrackName.Entries().value(0), "Canyon");
  EXPECT_EQ(editor.Controls.lblTrimTrack[4], "Speed: 77");
  EXPECT_EQ(editor.Controls.slrTrimTrack[4].Value(), 77);
  EXPECT_EQ(editor.Controls.imgWormHead[6], 14) << "the highlighted head";
  EXPECT_EQ(editor.Controls.imgWormHead[3], 3);
  auto* combo = Toolbox().findChild<QComboBox*>("cmbTrackName");
  EXPECT_EQ(combo->currentText(), "Canyon");
}

}  // namespace
