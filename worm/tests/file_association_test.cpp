#include "shell/file_association.h"
#include "core/frm_worm.h"
#include "platform/scripted/scripted_platform.h"
#include "shell/chosen_database_setting.h"
#include "shell/escape_reg_path.h"
#include "shell/reg_script.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray FileContents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EscapeRegPath, DoublesBackslashesAndEndsWithOneSeparator) {
  struct Case {
    const char* folder;
    const char* escaped;
  };
  const Case cases[] = {
      {R"(C:\Games\Play)", R"(C:\\Games\\Play\\)"},
      {R"(C:\Games\Play\)", R"(C:\\Games\\Play\\)"},
      {R"(C:\)", R"(C:\\)"},
      {"", R"(\\)"},
      {"/opt/vora/", "/opt/vora/"},
      {"/", "/"},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeRegPath(c.folder), QString(c.escaped)) << c.folder;
}

TEST(RegScript, HasTheExactTextWithCrLf) {
  const QByteArray expected =
      "REGEDIT4\r\n"
      "\r\n"
      "[HKEY_CLASSES_ROOT\\.wdb]\r\n"
      "@=\"Vora\"\r\n"
      "\r\n"
      "[HKEY_CLASSES_ROOT\\Vora]\r\n"
      "@=\"Vora Database\"\r\n"
      "\r\n"
      "[HKEY_CLASSES_ROOT\\Vora\\Shell]\r\n"
      "\r\n"
      "[HKEY_CLASSES_ROOT\\Vora\\Shell\\Open]\r\n"
      "\r\n"
      "[HKEY_CLASSES_ROOT\\Vora\\Shell\\Open\\Command]\r\n"
      "@=\"C:\\\\Vora.exe %1\"\r\n";
  EXPECT_EQ(RegScriptText("C:\\"), expected);
}

TEST(ChosenDatabaseSetting, RoundTripsUnderItsKey) {
  ScriptedPlatform platform;
  EXPECT_EQ(ReadChosenDatabase(platform), "Empty");
  SaveChosenDatabase(platform, "My Tracks");
  EXPECT_EQ(platform.Settings.value("Vora/Misc/Choosen Database"), "My Tracks");
  EXPECT_EQ(ReadChosenDatabase(platform), "My Tracks");
}

class RegisterFileTypeTest : public testing::Test {
 protected:
  RegisterFileTypeTest() {
    QDir().mkpath(root.filePath("game"));
    folders = {root.filePath("game/"), root.filePath("data/"), root.filePath("config/")};
  }

  QStringList Started() const {
    QStringList started;
    for (const auto& program : platform.StartedPrograms)
      started << (QStringList{program.Program} + program.Arguments).join(' ');
    return started;
  }

  QTemporaryDir root;
  ScriptedPlatform platform;
  AssociationFolders folders;
};

TEST_F(RegisterFileTypeTest, WritesMarkerDesktopEntryAndMimeType) {
  EXPECT_FALSE(FileTypeRegistered(folders));
  RegisterFileType(platform, folders);
  EXPECT_TRUE(FileTypeRegistered(folders));

  EXPECT_EQ(FileContents(folders.Program + "Vora.Reg"), RegScriptText(folders.Program));
  EXPECT_EQ(ReadChosenDatabase(platform), "Vora");

  const QByteArray mime = FileContents(folders.Data + "mime/packages/vora-database.xml");
  EXPECT_TRUE(mime.contains("<mime-type type=\"application/x-vora-database\">"));
  EXPECT_TRUE(mime.contains("<glob pattern=\"*.wdb\"/>"));
  const QByteArray entry = FileContents(folders.Data + "applications/vora.desktop");
  EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
  EXPECT_TRUE(entry.contains("\nExec=\"" + folders.Program.toUtf8() + "worm\" %f\n"));
  EXPECT_TRUE(entry.contains("\nMimeType=application/x-vora-database;\n"));

  EXPECT_EQ(Started(), QStringList({"update-mime-database " + folders.Data + "mime",
                                    "update-desktop-database " + folders.Data + "applications",
                                    "xdg-mime default vora.desktop application/x-vora-database"}));
}

TEST_F(RegisterFileTypeTest, MissingToolsAreNoError) {
  platform.StartSucceeds = false;
  RegisterFileType(platform, folders);
  EXPECT_TRUE(FileTypeRegistered(folders));
  EXPECT_TRUE(QFile::exists(folders.Data + "applications/vora.desktop"));
}

TEST_F(RegisterFileTypeTest, UnwritableProgramFolderPutsTheMarkerInTheConfiguration) {
  // A folder below a plain file can never be written, not even by root.
  QFile blocker(root.filePath("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  folders.Program = root.filePath("blocker/game/");
  RegisterFileType(platform, folders);
  EXPECT_EQ(FileContents(folders.Config + "Vora/Vora.Reg"), RegScriptText(folders.Program));
  EXPECT_TRUE(FileTypeRegistered(folders));
}

TEST_F(RegisterFileTypeTest, DeletingTheMarkerAsksForAnotherRegistration) {
  RegisterFileType(platform, folders);
  ASSERT_TRUE(QFile::remove(folders.Program + "Vora.Reg"));
  EXPECT_FALSE(FileTypeRegistered(folders));
}

TEST_F(RegisterFileTypeTest, ProgramPathIsQuotedForTheDesktopEntry) {
  // Quotes, shell characters, a field code, a backslash and a line break that
  // would otherwise start a line of its own.
  const QString odd = "odd $name \"x\" `y` 5% a\\b\nExec=rm";
  QDir().mkpath(root.filePath(odd));
  folders.Program = root.filePath(odd + "/");
  RegisterFileType(platform, folders);
  const QByteArray entry = FileContents(folders.Data + "applications/vora.desktop");
  const QByteArray expected = "\nExec=\"" + root.path().toUtf8() +
                              R"(/odd \\$name \\"x\\" \\`y\\` 5%% a\\\\b\nExec=rm/worm" %f)" "\n";
  EXPECT_TRUE(entry.contains(expected)) << entry.constData();
  EXPECT_EQ(entry.count("\nExec="), 1) << entry.constData();
}

TEST(FormLoad, RegistersTheFileTypeOnlyWithoutMarker) {
  QTemporaryDir programFolder;
  ScriptedPlatform platform;
  platform.Folder = programFolder.path() + "/";
  frmWorm(platform).Form_Load(QString());
  EXPECT_TRUE(QFile::exists(platform.Folder + "Vora.Reg"));
  EXPECT_EQ(ReadChosenDatabase(platform), "Vora");
  EXPECT_EQ(platform.StartedPrograms.size(), 3u);

  SaveChosenDatabase(platform, "Mine");
  frmWorm(platform).Form_Load(QString());
  EXPECT_EQ(ReadChosenDatabase(platform), "Mine");
  EXPECT_EQ(platform.StartedPrograms.size(), 3u);

  QFile::remove(platform.Folder + "Vora.Reg");
  frmWorm(platform).Form_Load(QString());
  EXPECT_EQ(ReadChosenDatabase(platform), "Vora");
  EXPECT_EQ(platform.StartedPrograms.size(), 6u);
}

}  // namespace
