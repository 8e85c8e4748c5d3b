#include "core/block_codes.h"
#include "editor/database_file_commands.h"
#include "editor/validate_track.h"
#include "editor_fixture.h"

#include <QFile>
#include <QPushButton>

namespace {

class EditorValidationTest : public EditorFixture {
 protected:
  const ScriptedPlatform::Question& LastQuestion() { return platform.Questions.back(); }
  QString DatabasePath(const QString& name) { return form.TrackPath + name; }
  void PenAt(int column, int row) {
    Press(CellPoint(column, row));
    Release(CellPoint(column, row));
  }
};

TEST_F(EditorValidationTest, ANewTrackMissesBothWormholesAndFood) {
  EXPECT_FALSE(ValidateTrack(editor));
  ASSERT_EQ(platform.Questions.size(), 1u);
  EXPECT_EQ(LastQuestion().Text,
            "These Errors Must Be Corrected Before The Track Works.\n\n"
            "Wormhole (Start).........................Missing\n"
            "Wormhole (Exit).........................Missing\n"
            "Vora Food.........................Missing\n");
  EXPECT_EQ(LastQuestion().Caption, "Track Error");
  EXPECT_EQ(LastQuestion().Buttons, MessageButtons::Ok);
  EXPECT_EQ(LastQuestion().Icon, MessageIcon::Exclamation);
}

TEST_F(EditorValidationTest, DoorsNeedTheirKeysAndAPlayableTrackPasses) {
  ChooseBlock(WormholeStartButton);
  PenAt(2, 2);
  ChooseBlock(WormholeExitButton);
  PenAt(3, 2);
  ChooseBlock(AppleButton);
  PenAt(4, 2);
  ChooseBlock(YellowDoorButton);
  PenAt(5, 2);
  PenAt(6, 2);
  EXPECT_FALSE(ValidateTrack(editor));
  EXPECT_EQ(LastQuestion().Text,
            "These Errors Must Be Corrected Before The Track Works.\n\n"
            "Yellow Key.........................(2) Missing\n");
  ChooseBlock(YellowKeyButton);
  PenAt(7, 2);
  PenAt(8, 2);
  const std::size_t asked = platform.Questions.size();
  EXPECT_TRUE(ValidateTrack(editor));
  EXPECT_EQ(platform.Questions.size(), asked) << "nothing shown";
}

TEST_F(EditorValidationTest, F6WithoutChangesBeepsAndWritesNothing) {
  QTest::keyPress(&window, Qt::Key_F6);
  EXPECT_EQ(platform.Beeps.size(), 1u);
  EXPECT_TRUE(platform.Questions.empty());
  EXPECT_TRUE(QDir(form.TrackPath).entryList(QDir::Files).isEmpty());
}

TEST_F(EditorValidationTest, SavingNeedsEveryTrackTested) {
  PenAt(4, 4);
  QTest::keyPress(&Toolbox(), Qt::Key_F6);
  EXPECT_EQ(LastQuestion().Text, "You Must Test These Tracks Before You Can Save\n\n1 - NoName\n");
  EXPECT_EQ(LastQuestion().Caption, "Save Database");
  EXPECT_TRUE(editor.Changed);
  EXPECT_TRUE(QDir(form.TrackPath).entryList(QDir::Files).isEmpty());

  // Tested: the first save asks for a name, the next one writes to it.
  editor.TrackTested[1] = true;
  platform.AnswerFileDialog(DatabasePath("Mine"));
  QTest::keyPress(&window, Qt::Key_F6);
  EXPECT_EQ(LastQuestion().Kind, ScriptedPlatform::QuestionKind::SaveFile);
  EXPECT_EQ(LastQuestion().Text, "Vora Database  (wdb)|*.wdb");
  EXPECT_FALSE(editor.Changed);
  EXPECT_EQ(Toolbox().windowTitle(), "Mine.wdb (1)");
  PenAt(5, 5);
  editor.TrackTested[1] = true;
  const std::size_t asked = platform.Questions.size();
  QTest::keyPress(&window, Qt::Key_F6);
  EXPECT_EQ(platform.Questions.size(), asked) << "no dialog the second time";
  EXPECT_EQ(Toolbox().windowTitle(), "Mine.wdb (2)");
  TrackDatabase written;
  ASSERT_TRUE(ReadDatabaseFile(DatabasePath("Mine.wdb"), written).Ok);
  EXPECT_EQ(written.TrackCount, 1);
  EXPECT_EQ(written.Tracks[1].Name, "NoName");
  EXPECT_EQ(written.SaveCounter, 2);
  EXPECT_EQ(editor.Controls.lstDefDB.Entries, QStringList{"Mine"}) << "the folder is read again";
}

TEST_F(EditorValidationTest, TheCloseBoxAsksBeforeChangesAreLost) {
  PenAt(4, 4);
  platform.AnswerMessage(MessageAnswer::Cancel);
  EXPECT_FALSE(platform.ClickCloseBox());
  EXPECT_EQ(LastQuestion().Text,
            "Do You Want To Save Changes In Database,\nBefore Leaving The Editor.");
  EXPECT_EQ(LastQuestion().Caption, "Quit Editor");
  EXPECT_EQ(LastQuestion().Buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(LastQuestion().Icon, MessageIcon::Exclamation);
  EXPECT_TRUE(form.InEditor);

  // Yes with an untested track: the refusal, and the editor stays.
  platform.AnswerMessage(MessageAnswer::Yes);
  EXPECT_FALSE(platform.ClickCloseBox());
  EXPECT_EQ(LastQuestion().Caption, "Save Database");
  EXPECT_TRUE(form.InEditor);
  EXPECT_TRUE(Toolbox().isVisible());

  platform.AnswerMessage(MessageAnswer::No);
  EXPECT_TRUE(platform.ClickCloseBox());
  EXPECT_FALSE(form.InEditor);
  EXPECT_FALSE(form.picPlayField.Visible());
}

TEST_F(EditorValidationTest, QuittingWithoutChangesAsksOnce) {
  platform.AnswerMessage(MessageAnswer::No);
  Toolbox().close();
  EXPECT_EQ(LastQuestion().Text, "Do You Want To Quit The Editor");
  EXPECT_EQ(LastQuestion().Buttons, MessageButtons::YesNo);
  EXPECT_TRUE(form.InEditor);
  platform.AnswerMessage(MessageAnswer::Yes);
  QTest::mouseClick(Toolbox().findChild<QPushButton*>("cmdDatabase4"), Qt::LeftButton);
  EXPECT_FALSE(form.InEditor);
  EXPECT_EQ(editor.Toolbox, nullptr);
}

TEST_F(EditorValidationTest, TheCommandLineDatabaseOpensASecondAfterTheLoad) {
  TrackDatabase database;
  database.TrackCount = 2;
  database.Tracks.resize(3);
  database.Tracks[1].Name = QStringLiteral("One");
  database.Tracks[2].Name = QStringLiteral("Two");
  database.Settings = {4, 6, 7, 0};
  ASSERT_TRUE(WriteDatabaseFile(DatabasePath("Two.wdb"), database).Ok);
  ASSERT_TRUE(ToolboxCloseRequest(editor));
  form.CommandLine = DatabasePath("Two.wdb");
  EnterEditor(editor);
  const std::int64_t loaded = platform.Now;
  platform.RunUntil(loaded + 999);
  EXPECT_EQ(form.Database.TrackCount, 1) << "not yet";
  platform.RunUntil(loaded + 1000);
  EXPECT_EQ(form.Database.TrackCount, 2);
  EXPECT_EQ(Track().Name, "One");
  EXPECT_EQ(Toolbox().windowTitle(), "Two.wdb (1)");
  EXPECT_EQ(editor.Controls.cmbTrackName.Entries(), (QStringList{"One", "Two"}));
  EXPECT_EQ(editor.Controls.lblTrimDB[3], "Break: 7");
  EXPECT_TRUE(editor.TrackTested[1] && editor.TrackTested[2]);
  EXPECT_FALSE(editor.Changed);
  EXPECT_TRUE(form.CommandLine.isEmpty());
  EXPECT_TRUE(platform.Questions.empty() || platform.Questions.back().Caption == "Quit Editor");
  platform.RunUntil(loaded + 5000);
  EXPECT_EQ(Track().Name, "One") << "once only";
}

TEST_F(EditorValidationTest, AFileTheEditorCannotHoldIsRefusedAndTheDatabaseKept) {
  ChooseBlock(WallHardButton);
  PenAt(3, 3);
  TrackDatabase empty;
  ASSERT_TRUE(WriteDatabaseFile(DatabasePath("Empty.wdb"), empty).Ok);
  QFile truncated(DatabasePath("Cut.wdb"));
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  truncated.write("\x02\x05\x00", 3);
  truncated.close();
  for (const char* name : {"Empty.wdb", "Cut.wdb"}) {
    SCOPED_TRACE(name);
    platform.AnswerMessage(MessageAnswer::Ok);  // lose the changes
    platform.AnswerFileDialog(DatabasePath(name));
    EXPECT_FALSE(OpenDatabase(editor));
    EXPECT_EQ(LastQuestion().Caption, "Open Database");
    EXPECT_EQ(BlockAt(3, 3), Blocks::WallHard);
    EXPECT_EQ(form.Database.TrackCount, 1);
    EXPECT_TRUE(editor.Changed);
  }
}

TEST_F(EditorValidationTest, LeavingStoresTheCheckedDatabaseOnly) {
  const QString key = QStringLiteral("Vora/Misc/Choosen Database");
  platform.Settings[key] = QStringLiteral("Stored");
  ASSERT_TRUE(ToolboxCloseRequest(editor));
  EXPECT_EQ(platform.Settings[key], "Stored") << "no entry checked";

  for (const char* name : {"Alpha.wdb", "Beta.wdb"}) {
    QFile file(DatabasePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  platform.Settings[key] = QStringLiteral("Beta");
  EnterEditor(editor);
  const CheckListControl& list = editor.Controls.lstDefDB;
  ASSERT_EQ(list.Entries.size(), 2);
  EXPECT_EQ(list.Checked[list.Entries.indexOf("Beta")], true);
  EXPECT_EQ(list.Checked[list.Entries.indexOf("Alpha")], false);
  editor.Controls.lstDefDB.Checked = {true, true};
  ASSERT_TRUE(ToolboxCloseRequest(editor));
  EXPECT_EQ(platform.Settings[key], list.Entries[0]) << "the first checked entry";
}

}  // namespace
