#pragma once

class QKeyEvent;

// The window's key-down events carry the classic virtual key codes (letters
// 65..90, digits 48..57, F1..F12 112..123, keypad digits 96..105, ...) and a
// shift state (Shift 1, Ctrl 2, Alt 4). 0 for keys without a code.
int VirtualKeyCode(const QKeyEvent& event);
int ShiftState(const QKeyEvent& event);
