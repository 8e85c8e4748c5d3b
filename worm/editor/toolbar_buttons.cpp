#include "editor/toolbar_buttons.h"

#include "core/block_codes.h"

#include <array>

namespace {

constexpr std::array<const char*, 11> ToolNames = {
    "", "Pen", "Filled Rectangel", "Hollow Rectangel", "Line", "Fill Area",
    "Undo", "Redo", "Information", "Erase", "Grid"};

// The blocks of buttons 12..60 in their order on the bar.
using namespace Blocks;
constexpr std::array<BlockCode, 49> BlockOrder = {
    Dirt,          Water,         Grass,       Ice,         Lava,          Darkness,
    Reverse,       IncSpeed,      DecSpeed,    Sky,         Sand,          Floor,
    WormholeStart, WormholeExit,  YellowKey,   RedKey,      PurpleKey,     ScubaGear,
    Lavashoes,     Popcorn,       Apple,       Banana,      Cake,          Hamburger,
    Mushroom,      WhitePortal,   GreenPortal, BluePortal,  Spinner,       YellowDoor,
    RedDoor,       PurpleDoor,    OnewayDown,  OnewayLeft,  OnewayUp,      OnewayRight,
    WallHard,      WallSoft,      IronplateHard, IronplateSoft, PoleHard,  PoleSoft,
    RockHard,      RockSoft,      FenceHard,   FenceSoft,   TreeHard,      TreeSoft,
    Parking};

constexpr int SeparatorButton = 11;

}  // namespace

ToolbarButton ToolbarButtonAt(int n) {
  if (n >= 1 && n <= ToolFill) return {ToolbarKind::Tool, static_cast<std::uint8_t>(n)};
  if (n == ButtonGrid) return {ToolbarKind::Toggle, 0};
  if (n > ToolFill && n < ButtonGrid) return {ToolbarKind::Command, 0};
  if (n == SeparatorButton) return {ToolbarKind::Separator, 0};
  if (n >= FirstBlockButton && n < LastBlockButton)
    return {ToolbarKind::Block, BlockOrder[n - FirstBlockButton]};
  return {ToolbarKind::Unused, 0};
}

QString ToolbarButtonName(int n) {
  const ToolbarButton button = ToolbarButtonAt(n);
  switch (button.Kind) {
    case ToolbarKind::Tool:
    case ToolbarKind::Command:
    case ToolbarKind::Toggle: return QString::fromLatin1(ToolNames[n]);
    case ToolbarKind::Block: {
      const std::string_view name = BlockName(button.Tag);
      return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    case ToolbarKind::Unused: return QStringLiteral("Not Used");
    case ToolbarKind::Separator: break;
  }
  return {};
}

int BlockButtonOf(std::uint8_t code) {
  for (int n = FirstBlockButton; n < LastBlockButton; ++n)
    if (BlockOrder[n - FirstBlockButton] == code) return n;
  return 0;
}
