#include "core/setting_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// Database names the editor may store come back as they were, also from a fresh read.
TEST(SettingTextTest, StoredTextComesBackUnchanged) {
  const QTemporaryDir folder;
  const QString path = folder.filePath("Vora.ini");
  const QString names[] = {"My, Tracks", "a=b;c", " leading and trailing ", "\"quoted\"",
                           "back\\slash", "@Variant(x)", "@ByteArray(y)", QString::fromUtf8("Åäö €"),
                           "line\nbreak", "", "#hash"};
  for (const QString& name : names) {
    {
      QSettings settings(path, QSettings::IniFormat);
      WriteSettingText(settings, "Misc", "Choosen Database", name);
    }
    EXPECT_EQ(ReadSettingText(QSettings(path, QSettings::IniFormat), "Misc", "Choosen Database",
                              "Empty"),
              name);
  }
}

// A file edited by hand: the text under the key, the default without it.
TEST(SettingTextTest, ReadsHandWrittenFiles) {
  const struct {
    const char* file;
    const char* text;
  } cases[] = {{"[Misc]\nChoosen Database=Vora\n", "Vora"},
               {"[Misc]\nChoosen%20Database=Vora\n", "Vora"},
               {"[Misc]\nChoosen Database = \"Lake, Sea\" \n", "Lake, Sea"},
               {"[Other]\nChoosen Database=Vora\n", "Empty"},
               {"", "Empty"},
               {"\x01\x02garbage[", "Empty"}};
  const QTemporaryDir folder;
  int count = 0;
  for (const auto& c : cases) {
    // A new name each time: the settings reader keeps files it has read.
    QFile file(folder.filePath(QString::number(++count) + ".ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.file);
    file.close();
    EXPECT_EQ(ReadSettingText(QSettings(file.fileName(), QSettings::IniFormat), "Misc",
                              "Choosen Database", "Empty"),
              c.text)
        << c.file;
  }
}

}  // namespace
