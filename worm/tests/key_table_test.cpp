#include "platform/key_table.h"
#include "platform/virtual_key.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

QKeyEvent Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              quint32 scanCode = 0, bool autoRepeat = false) {
  return QKeyEvent(type, key, modifiers, scanCode, 0, 0, QString(), autoRepeat);
}

QKeyEvent Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0) {
  return Key(QEvent::KeyPress, key, modifiers, scanCode);
}

QKeyEvent Release(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  quint32 scanCode = 0) {
  return Key(QEvent::KeyRelease, key, modifiers, scanCode);
}

TEST(KeyTableTest, KeysStandForKeypadKeys) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::optional<KeypadKey> expected;
  } cases[] = {
      // Keypad with NumLock on.
      {Qt::Key_8, Qt::KeypadModifier, KeypadKey::Up},
      {Qt::Key_7, Qt::KeypadModifier, KeypadKey::UpLeft},
      {Qt::Key_3, Qt::KeypadModifier, KeypadKey::DownRight},
      {Qt::Key_0, Qt::KeypadModifier, KeypadKey::Fire},
      {Qt::Key_5, Qt::KeypadModifier, KeypadKey::Pause},
      {Qt::Key_Plus, Qt::KeypadModifier, KeypadKey::Turbo},
      // Keypad with NumLock off.
      {Qt::Key_Left, Qt::KeypadModifier, KeypadKey::Left},
      {Qt::Key_PageUp, Qt::KeypadModifier, KeypadKey::UpRight},
      {Qt::Key_End, Qt::KeypadModifier, KeypadKey::DownLeft},
      {Qt::Key_Insert, Qt::KeypadModifier, KeypadKey::Fire},
      {Qt::Key_Clear, Qt::KeypadModifier, KeypadKey::Pause},
      // Keyboards without a keypad.
      {Qt::Key_Down, Qt::NoModifier, KeypadKey::Down},
      {Qt::Key_Home, Qt::NoModifier, KeypadKey::UpLeft},
      {Qt::Key_PageDown, Qt::NoModifier, KeypadKey::DownRight},
      {Qt::Key_Space, Qt::NoModifier, KeypadKey::Fire},
      {Qt::Key_Return, Qt::NoModifier, KeypadKey::Fire},
      {Qt::Key_P, Qt::NoModifier, KeypadKey::Pause},
      {Qt::Key_Escape, Qt::NoModifier, KeypadKey::Pause},
      {Qt::Key_Equal, Qt::NoModifier, KeypadKey::Turbo},
      {Qt::Key_Plus, Qt::ShiftModifier, KeypadKey::Turbo},
      // Keys of no use to the game.
      {Qt::Key_8, Qt::NoModifier, std::nullopt},
      {Qt::Key_A, Qt::NoModifier, std::nullopt},
      {Qt::Key_Minus, Qt::KeypadModifier, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeyTable::KeypadKeyOf(Press(c.key, c.modifiers)), c.expected)
        << std::hex << c.key << " " << c.modifiers.toInt();
  }
}

TEST(KeyTableTest, HoldsKeysFromPressToRelease) {
  KeyTable table;
  table.Press(Press(Qt::Key_8, Qt::KeypadModifier, 80));
  table.Press(Press(Qt::Key_Up, Qt::NoModifier, 111));
  EXPECT_TRUE(table.Held(KeypadKey::Up));
  EXPECT_FALSE(table.Held(KeypadKey::Down));

  table.Release(Release(Qt::Key_Up, Qt::NoModifier, 111));
  EXPECT_TRUE(table.Held(KeypadKey::Up)) << "keypad 8 is still down";
  // NumLock went off while keypad 8 was held: its release reports another key.
  table.Release(Release(Qt::Key_Up, Qt::KeypadModifier, 80));
  EXPECT_FALSE(table.Held(KeypadKey::Up));
}

TEST(KeyTableTest, AutoRepeatIsIgnoredAndFocusLossReleasesAll) {
  KeyTable table;
  table.Press(Press(Qt::Key_Space));
  table.Release(Key(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, 0, true));
  EXPECT_TRUE(table.Held(KeypadKey::Fire)) << "a repeat's release is not the real one";
  table.Press(Press(Qt::Key_Plus, Qt::KeypadModifier));
  table.ReleaseAll();
  EXPECT_FALSE(table.Held(KeypadKey::Fire));
  EXPECT_FALSE(table.Held(KeypadKey::Turbo));
}

TEST(VirtualKeyTest, KeysGiveTheirClassicCodes) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
    int shift;
  } cases[] = {{Qt::Key_A, Qt::NoModifier, 65, 0},
               {Qt::Key_Z, Qt::ShiftModifier, 90, 1},
               {Qt::Key_5, Qt::NoModifier, 53, 0},
               {Qt::Key_5, Qt::KeypadModifier, 101, 0},
               {Qt::Key_F2, Qt::ControlModifier, 113, 2},
               {Qt::Key_Delete, Qt::AltModifier, 46, 4},
               {Qt::Key_Left, Qt::NoModifier, 37, 0},
               {Qt::Key_Plus, Qt::KeypadModifier, 107, 0},
               {Qt::Key_Escape, Qt::NoModifier, 27, 0},
               {Qt::Key_Dead_Grave, Qt::NoModifier, 0, 0}};
  for (const auto& c : cases) {
    const QKeyEvent event = Press(c.key, c.modifiers);
    EXPECT_EQ(VirtualKeyCode(event), c.code) << std::hex << c.key;
    EXPECT_EQ(ShiftState(event), c.shift) << std::hex << c.key;
  }
}

}  // namespace
