#pragma once

#include <QString>
#include <string>

struct GameState;

// The per-user settings of the game, kept as text values in a settings file
// in the user's configuration folder (Velmora/ZORBIX.conf).
class SettingsStore {
 public:
  // The user's own store.
  SettingsStore();
  // A store kept in the given file.
  explicit SettingsStore(QString filePath);

  // The text stored under name when it fits room bytes with its terminating
  // zero, else fallback.
  std::string ReadText(const char* name, int room, const char* fallback) const;
  void WriteText(const char* name, const std::string& text) const;

  // ReadText turned into a number by the usual decimal conversion.
  int ReadNumber(const char* name, int room, const char* fallback) const;

  const QString& FilePath() const { return filePath_; }

 private:
  QString filePath_;
};

// The file of the user's store.
QString UserSettingsPath();

// Leading blanks, an optional sign and the digits up to the first other
// character; no digits gives 0.
int DecimalValue(const std::string& text);

// The value names of best score and best level entry 0, 1 or 2.
std::string BestScoreName(int entry);
std::string BestLevelName(int entry);

// Best scores, best levels and speed from the store.
void LoadSettings(GameState& state, const SettingsStore& store);
// Best scores and best levels as "%7d", speed as "%d".
void SaveSettings(const GameState& state, const SettingsStore& store);

// The starting level of every new game, "KDTAB" (never written).
int ReadStartingLevel(const SettingsStore& store);
