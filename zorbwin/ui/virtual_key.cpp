#include "ui/virtual_key.h"

#include <Qt>

#include "core/event_codes.h"

namespace {

struct KeyPair {
  int qtKey;
  int32_t code;
};

// Keys whose virtual-key code is not their character code.
constexpr KeyPair NAMED_KEYS[] = {
    {Qt::Key_Up, KEY_UP},          {Qt::Key_Down, KEY_DOWN},
    {Qt::Key_Left, KEY_LEFT},      {Qt::Key_Right, KEY_RIGHT},
    {Qt::Key_Backspace, 8},        {Qt::Key_Tab, 9},
    {Qt::Key_Return, 13},          {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},           {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},             {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},        {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},           {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},        {Qt::Key_End, 35},
    {Qt::Key_Home, 36},            {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
};

}  // namespace

int32_t VirtualKeyCode(int qtKey) {
  for (const KeyPair& pair : NAMED_KEYS)
    if (pair.qtKey == qtKey) return pair.code;
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
      (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return qtKey;  // letters and digits share their ASCII codes
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
    return VK_F1 + (qtKey - Qt::Key_F1);
  return 0;
}
