#include "core/dot_font.h"

#include "core/blit.h"
#include "core/game_surfaces.h"
#include "core/sprite_ids.h"
#include "core/sprite_sheet.h"

namespace {

constexpr int GlyphAdvance = 24;
constexpr int GlyphDots = 15;

// The glyphs, ended by a character 0. The second R is never reached: a
// character is found by its first row.
constexpr DotGlyph DotFont[] = {
    {'S', 0x79CF}, {'C', 0x7927}, {'O', 0x7B6F}, {'R', 0x7BF5}, {'E', 0x79E7},
    {'L', 0x4927}, {'I', 0x7497}, {'F', 0x79A4}, {'1', 0x2C97}, {'2', 0x73E7},
    {'3', 0x73CF}, {'4', 0x49C9}, {'5', 0x79CF}, {'6', 0x69EF}, {'7', 0x7292},
    {'8', 0x7BEF}, {'9', 0x7BC9}, {'T', 0x7492}, {'M', 0x5F6D}, {'0', 0x7B6F},
    {'G', 0x696F}, {'A', 0x7BED}, {'V', 0x5B52}, {'R', 0x7BF5}, {'!', 0x2482},
    {'\0', 0},
};

// Dot i of the glyph at (x, y), as top-down window pixels, erased from the
// background and drawn when lit.
void DrawDot(const DotGlyph& glyph, int i, int x, int y) {
  int left = x + 18 - FontDotSize * (i % 3);
  int top = y - FontDotSize - FontDotSize * (i / 3);
  int bottomUp = WindowSurfaceHeight - top - FontDotSize;
  CopySpriteRect(spriteSheet, gameSurfaces.windowSurface, gameSurfaces.backgroundSurface,
                 SpriteFontDot, left, bottomUp, BLIT_COPY);
  if (glyph.pattern & (1 << i)) {
    DrawSprite(spriteSheet, gameSurfaces.windowSurface, SpriteFontDot, left, bottomUp, BLIT_COPY);
  }
}

}  // namespace

const DotGlyph* FindDotGlyph(char character) {
  for (const DotGlyph& glyph : DotFont) {
    if (glyph.character == '\0') break;
    if (glyph.character == character) return &glyph;
  }
  return nullptr;
}

void DrawDotText(std::string_view text, int x, int y) {
  for (char character : text) {
    if (const DotGlyph* glyph = FindDotGlyph(character)) {
      for (int i = 0; i < GlyphDots; ++i) DrawDot(*glyph, i, x, y);
    }
    x += GlyphAdvance;
  }
}
