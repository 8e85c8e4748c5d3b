#pragma once

#include <cstdint>
#include <string_view>

// A glyph of 3 x 5 dots: bit i lights the dot in row i / 3 from the bottom
// and column 2 - i % 3 from the left.
struct DotGlyph {
  char character;
  std::uint16_t pattern;
};

// The glyph of character, or none.
const DotGlyph* FindDotGlyph(char character);

// Writes text onto the window in 6 x 6 dots: x from the left, y counted down
// from the top of the window surface to the glyphs' bottom edge. Each
// character advances 24 pixels; one without a glyph draws nothing.
void DrawDotText(std::string_view text, int x, int y);
