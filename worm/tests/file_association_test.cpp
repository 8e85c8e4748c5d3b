#include "shell/escape_reg_path.h"
#include "shell/reg_script.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
