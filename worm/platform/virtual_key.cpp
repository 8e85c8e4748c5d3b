#include "platform/virtual_key.h"

#include <QKeyEvent>

namespace {

struct KeyCode {
  int QtKey;
  int Code;
};

constexpr KeyCode NamedKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},        {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},     {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},    {Qt::Key_PageUp, 33},    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},      {Qt::Key_Home, 36},      {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},     {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},    {Qt::Key_Clear, 12},
};

constexpr KeyCode KeypadOperators[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

template <std::size_t N>
int Lookup(const KeyCode (&codes)[N], int qtKey) {
  for (const KeyCode& code : codes)
    if (code.QtKey == qtKey) return code.Code;
  return 0;
}

}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? 96 : 48) + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
  if (keypad) {
    if (const int code = Lookup(KeypadOperators, key)) return code;
  }
  return Lookup(NamedKeys, key);
}

int ShiftState(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}
