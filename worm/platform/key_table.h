#pragma once

#include "core/platform.h"

#include <QtGlobal>

#include <map>
#include <optional>

class QKeyEvent;

// The keypad keys held down, kept from the window's key presses and
// releases. Keypad keys count with NumLock on and off; keyboards without a
// keypad use arrows, Home, PageUp, End and PageDown for the directions,
// Space and Return for fire, P and Escape for pause, "+" and "=" for turbo.
class KeyTable {
 public:
  // The keypad key a key event stands for, if any.
  static std::optional<KeypadKey> KeypadKeyOf(const QKeyEvent& event);

  void Press(const QKeyEvent& event);
  void Release(const QKeyEvent& event);
  // Forgets every key, as when the window loses the keyboard.
  void ReleaseAll() { held_.clear(); }
  bool Held(KeypadKey key) const;

 private:
  // The same physical key may report another key code on release (NumLock
  // changed meanwhile), so keys are told apart by scan code where there is one.
  static quint64 PhysicalKey(const QKeyEvent& event);

  std::map<quint64, KeypadKey> held_;
};
