#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/game_state.h"
#include "core/settings_store.h"

namespace {

class SettingsStoreTest : public ::testing::Test {
 protected:
  // Writes a value the way another program version or a user might have.
  void Put(const char* name, const QString& text) {
    QSettings settings(store.FilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("ZORBIX/") + name, text);
  }
  QString Stored(const char* name) {
    QSettings settings(store.FilePath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("ZORBIX/") + name).toString();
  }

  QTemporaryDir folder;
  SettingsStore store{folder.filePath("Velmora/ZORBIX.conf")};
};

TEST_F(SettingsStoreTest, FreshStoreGivesTheDefaults) {
  GameState state;
  state.speed = 2;
  state.bestScores[1] = 77;
  LoadSettings(state, store);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(state.bestScores[i], 0);
    EXPECT_EQ(state.bestLevels[i], 0);
  }
  EXPECT_EQ(state.speed, 1);
  EXPECT_EQ(ReadStartingLevel(store), 0);
}

TEST_F(SettingsStoreTest, SavedTextsAndTheirNames) {
  GameState state;
  state.bestScores[0] = 120;
  state.bestScores[1] = 0;
  state.bestScores[2] = 9999999;
  state.bestLevels[0] = 3;
  state.speed = 2;
  SaveSettings(state, store);
  EXPECT_EQ(Stored("BSTSCR0"), "    120");
  EXPECT_EQ(Stored("BSTSCR1"), "      0");
  EXPECT_EQ(Stored("BSTSCR2"), "9999999");
  EXPECT_EQ(Stored("BSTLVL0"), "      3");
  EXPECT_EQ(Stored("SPEED"), "2");
  EXPECT_FALSE(QSettings(store.FilePath(), QSettings::IniFormat)
                   .contains(QStringLiteral("ZORBIX/KDTAB")));

  GameState loaded;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.bestScores[0], 120);
  EXPECT_EQ(loaded.bestScores[2], 9999999);
  EXPECT_EQ(loaded.bestLevels[0], 3);
  EXPECT_EQ(loaded.speed, 2);
}

TEST_F(SettingsStoreTest, ScoreOfEightDigitsReadsBackAsZero) {
  GameState state;
  state.bestScores[0] = 10000000;
  state.bestScores[1] = 500;
  SaveSettings(state, store);
  EXPECT_EQ(Stored("BSTSCR0"), "10000000");
  GameState loaded;
  LoadSettings(loaded, store);
  EXPECT_EQ(loaded.bestScores[0], 0);
  EXPECT_EQ(loaded.bestScores[1], 500);
}

TEST_F(SettingsStoreTest, StartingLevelFitsOneCharacter) {
  const struct {
    const char* stored;
    int level;
  } cases[] = {{"4", 4}, {"12", 0}, {"x", 0}, {"", 0}, {"9", 9}};
  for (const auto& c : cases) {
    Put("KDTAB", c.stored);
    EXPECT_EQ(ReadStartingLevel(store), c.level) << c.stored;
  }
}

TEST_F(SettingsStoreTest, OddStoredValuesFallBack) {
  Put("SPEED", "7");
  Put("BSTSCR0", "  42abc");
  Put("BSTSCR1", "junk");
  Put("BSTLVL0", "-5");
  QSettings(store.FilePath(), QSettings::IniFormat)
      .setValue(QStringLiteral("ZORBIX/BSTSCR2"), QStringList{"1", "2"});
  GameState state;
  LoadSettings(state, store);
  EXPECT_EQ(state.speed, 1);
  EXPECT_EQ(state.bestScores[0], 42);
  EXPECT_EQ(state.bestScores[1], 0);
  EXPECT_EQ(state.bestScores[2], 0);
  EXPECT_EQ(state.bestLevels[0], -5);
}

TEST(DecimalValueTest, UsualDecimalConversion) {
  const struct {
    const char* text;
    int value;
  } cases[] = {{"    120", 120}, {"-17", -17}, {"+8", 8},   {"12x3", 12},
               {"", 0},         {"x1", 0},    {" - 3", 0}, {"99999999999", 2147483647}};
  for (const auto& c : cases) EXPECT_EQ(DecimalValue(c.text), c.value) << c.text;
}

}  // namespace
