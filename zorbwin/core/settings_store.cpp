#include "core/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "core/game_state.h"

namespace {

constexpr int VALUE_ROOM = 8;
constexpr int STARTING_LEVEL_ROOM = 2;

// The store keeps its values under this key.
const QString KEY_GROUP = QStringLiteral("ZORBIX");

QString ValueKey(const char* name) {
  return KEY_GROUP + QLatin1Char('/') + QString::fromLatin1(name);
}

// Replaces the last character of the family's first name by the digit.
std::string EntryName(std::string first, int entry) {
  first.back() = static_cast<char>('0' + entry);
  return first;
}

std::string Formatted(const char* format, int value) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

QString UserSettingsPath() {
  return QStandardPaths::writableLocation(
             QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Velmora/ZORBIX.conf");
}

SettingsStore::SettingsStore() : filePath_(UserSettingsPath()) {}

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath)) {}

std::string SettingsStore::ReadText(const char* name, int room,
                                    const char* fallback) const {
  const QSettings settings(filePath_, QSettings::IniFormat);
  const QVariant value = settings.value(ValueKey(name));
  if (value.typeId() != QMetaType::QString) return fallback;
  const QByteArray text = value.toString().toLatin1();
  if (text.size() + 1 > room) return fallback;
  return text.toStdString();
}

void SettingsStore::WriteText(const char* name, const std::string& text) const {
  QSettings settings(filePath_, QSettings::IniFormat);
  settings.setValue(ValueKey(name), QString::fromStdString(text));
}

int SettingsStore::ReadNumber(const char* name, int room,
                              const char* fallback) const {
  return DecimalValue(ReadText(name, room, fallback));
}

int DecimalValue(const std::string& text) {
  size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
    ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+'))
    negative = text[at++] == '-';
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    value = std::min(value * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX));
  return static_cast<int>(negative ? -value : value);
}

std::string BestScoreName(int entry) { return EntryName("BSTSCR0", entry); }
std::string BestLevelName(int entry) { return EntryName("BSTLVL0", entry); }

void LoadSettings(GameState& state, const SettingsStore& store) {
  for (int i = 0; i < 3; ++i) {
    state.bestScores[i] = store.ReadNumber(BestScoreName(i).c_str(), VALUE_ROOM, "0");
    state.bestLevels[i] = store.ReadNumber(BestLevelName(i).c_str(), VALUE_ROOM, "0");
  }
  state.speed = store.ReadNumber("SPEED", VALUE_ROOM, "1");
  if (state.speed < 0 || state.speed > 2) state.speed = 1;
}

void SaveSettings(const GameState& state, const SettingsStore& store) {
  for (int i = 0; i < 3; ++i) {
    store.WriteText(BestScoreName(i).c_str(), Formatted("%7d", state.bestScores[i]));
    store.WriteText(BestLevelName(i).c_str(), Formatted("%7d", state.bestLevels[i]));
  }
  store.WriteText("SPEED", Formatted("%d", state.speed));
}

int ReadStartingLevel(const SettingsStore& store) {
  return store.ReadNumber("KDTAB", STARTING_LEVEL_ROOM, "0");
}
