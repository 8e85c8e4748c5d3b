#pragma once

#include <QString>

#include <cstdint>

// The toolbar of the toolbox: tools, commands, the grid toggle and the
// building blocks, numbered 1..61 in their order on the bar.

enum class ToolbarKind { Tool, Command, Toggle, Separator, Block, Unused };

struct ToolbarButton {
  ToolbarKind Kind;
  std::uint8_t Tag;  // the tool number or the block code
};

constexpr int ToolbarButtonCount = 61;

// The tools, as CurrentTool holds them.
constexpr std::uint8_t ToolPen = 1;
constexpr std::uint8_t ToolFilledRectangle = 2;
constexpr std::uint8_t ToolHollowRectangle = 3;
constexpr std::uint8_t ToolLine = 4;
constexpr std::uint8_t ToolFill = 5;

// Buttons with a place of their own.
constexpr int ButtonUndo = 6;
constexpr int ButtonRedo = 7;
constexpr int ButtonInformation = 8;
constexpr int ButtonErase = 9;
constexpr int ButtonGrid = 10;
constexpr int FirstBlockButton = 12;
constexpr int LastBlockButton = 61;

// Button n, 1..61.
ToolbarButton ToolbarButtonAt(int n);

// The button's name: its tooltip, and for a block the name the status bar
// and the validation report use. The separator has none.
QString ToolbarButtonName(int n);

// The block button that carries code; 0 when none does.
int BlockButtonOf(std::uint8_t code);
