#include <gtest/gtest.h>

#include <Qt>

#include "core/event_codes.h"
#include "ui/virtual_key.h"

namespace {

TEST(VirtualKeyTest, CursorKeysRenumberedOthersKeepTheirCodes) {
  const struct {
    int qtKey;
    int32_t code;
  } cases[] = {{Qt::Key_Up, KEY_UP},       {Qt::Key_Down, KEY_DOWN},
               {Qt::Key_Left, KEY_LEFT},   {Qt::Key_Right, KEY_RIGHT},
               {Qt::Key_P, 80},            {Qt::Key_F1, 112},
               {Qt::Key_F12, 123},         {Qt::Key_0, 48},
               {Qt::Key_Space, 32},        {Qt::Key_Escape, 27},
               {Qt::Key_Return, 13},       {Qt::Key_MediaPlay, 0}};
  for (const auto& c : cases) EXPECT_EQ(VirtualKeyCode(c.qtKey), c.code) << c.qtKey;
}

}  // namespace
