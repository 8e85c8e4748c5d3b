#pragma once

#include <QString>

#include <cstdint>

class frmWorm;
class Surface;

// Writes text in the game's bitmap font onto target: each character of
// form.FontCharset is its 17 x 34 glyph from the font sheet in picMiscClip
// (mask ANDed, glyph XORed, so the background shows around it), 20 pixels
// apart, the first at (x, y); x 0 centres the text on a 640-pixel line. A
// character outside the set leaves its slot empty. With moveCursor the
// cursor block picMisc first moves its left edge just behind the text (to
// 310 for an empty text) and the playfield is refreshed.
void WriteText(frmWorm& form, bool moveCursor, Surface& target, std::int16_t x, std::int16_t y,
               const QString& text);
