// "FontClip.gif": the big bitmap font, 42 glyphs of 17 x 34 in rows 0..3 and
// their masks in rows 4..7 (white transparent, black opaque; a glyph is black
// wherever its mask is white), and "FontBlock.gif", the name-entry block.
#pragma once

#include "palette.h"

#include <QImage>
#include <QString>

constexpr int GlyphWidth = 17;
constexpr int GlyphHeight = 34;
constexpr int GlyphsPerRow = 11;

// The glyph order of the font.
QString fontCharset();
QImage makeFontSheet(const Palette& palette);
QImage makeFontBlock(const Palette& palette);
