#include "platform/key_table.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

struct KeyBinding {
  int QtKey;
  KeypadKey Key;
};

// Keys of the numeric keypad, NumLock on and off.
constexpr KeyBinding KeypadKeys[] = {
    {Qt::Key_8, KeypadKey::Up},          {Qt::Key_Up, KeypadKey::Up},
    {Qt::Key_2, KeypadKey::Down},        {Qt::Key_Down, KeypadKey::Down},
    {Qt::Key_4, KeypadKey::Left},        {Qt::Key_Left, KeypadKey::Left},
    {Qt::Key_6, KeypadKey::Right},       {Qt::Key_Right, KeypadKey::Right},
    {Qt::Key_7, KeypadKey::UpLeft},      {Qt::Key_Home, KeypadKey::UpLeft},
    {Qt::Key_9, KeypadKey::UpRight},     {Qt::Key_PageUp, KeypadKey::UpRight},
    {Qt::Key_3, KeypadKey::DownRight},   {Qt::Key_PageDown, KeypadKey::DownRight},
    {Qt::Key_1, KeypadKey::DownLeft},    {Qt::Key_End, KeypadKey::DownLeft},
    {Qt::Key_0, KeypadKey::Fire},        {Qt::Key_Insert, KeypadKey::Fire},
    {Qt::Key_5, KeypadKey::Pause},       {Qt::Key_Clear, KeypadKey::Pause},
    {Qt::Key_Plus, KeypadKey::Turbo},    {Qt::Key_Enter, KeypadKey::Fire},
};

// Stand-ins on the main keyboard.
constexpr KeyBinding MainKeys[] = {
    {Qt::Key_Up, KeypadKey::Up},          {Qt::Key_Down, KeypadKey::Down},
    {Qt::Key_Left, KeypadKey::Left},      {Qt::Key_Right, KeypadKey::Right},
    {Qt::Key_Home, KeypadKey::UpLeft},    {Qt::Key_PageUp, KeypadKey::UpRight},
    {Qt::Key_End, KeypadKey::DownLeft},   {Qt::Key_PageDown, KeypadKey::DownRight},
    {Qt::Key_Space, KeypadKey::Fire},     {Qt::Key_Return, KeypadKey::Fire},
    {Qt::Key_Enter, KeypadKey::Fire},     {Qt::Key_P, KeypadKey::Pause},
    {Qt::Key_Escape, KeypadKey::Pause},   {Qt::Key_Plus, KeypadKey::Turbo},
    {Qt::Key_Equal, KeypadKey::Turbo},
};

template <std::size_t N>
std::optional<KeypadKey> Lookup(const KeyBinding (&bindings)[N], int qtKey) {
  for (const KeyBinding& binding : bindings)
    if (binding.QtKey == qtKey) return binding.Key;
  return std::nullopt;
}

}  // namespace

std::optional<KeypadKey> KeyTable::KeypadKeyOf(const QKeyEvent& event) {
  if (event.modifiers() & Qt::KeypadModifier) return Lookup(KeypadKeys, event.key());
  return Lookup(MainKeys, event.key());
}

quint64 KeyTable::PhysicalKey(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return event.nativeScanCode();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  return (quint64{keypad} << 32) | static_cast<quint32>(event.key()) | (quint64{1} << 40);
}

void KeyTable::Press(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;
  if (const auto key = KeypadKeyOf(event)) held_[PhysicalKey(event)] = *key;
}

void KeyTable::Release(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;
  held_.erase(PhysicalKey(event));
}

bool KeyTable::Held(KeypadKey key) const {
  return std::any_of(held_.begin(), held_.end(),
                     [key](const auto& entry) { return entry.second == key; });
}
