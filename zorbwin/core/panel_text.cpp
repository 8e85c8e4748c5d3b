#include "core/panel_text.h"

#include <cstdio>

#include "core/dot_font.h"
#include "core/game_state.h"
#include "core/maze.h"

namespace {

constexpr int LabelX = MazePixelWidth + 30;
constexpr int CountX = MazePixelWidth + 50;

void DrawNumber(const char* format, int value, int x, int y) {
  char text[16];
  std::snprintf(text, sizeof text, format, value);
  DrawDotText(text, x, y);
}

}  // namespace

void DrawPanelLabels() {
  DrawDotText("SCORE", LabelX, 100);
  DrawDotText("LIFE", LabelX, 180);
  DrawDotText("LEVEL", LabelX, 260);
  DrawPanelNumbers();
}

void DrawPanelNumbers() {
  DrawNumber("%05d", gameState.score, LabelX, 140);
  DrawNumber("%03d", gameState.lives, CountX, 220);
  DrawNumber("%03d", gameState.level + 1, CountX, 300);
}
