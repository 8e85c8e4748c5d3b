#include "shell/write_text.h"

#include "core/frm_worm.h"

namespace {

constexpr int GlyphWidth = 17;
constexpr int GlyphHeight = 34;
constexpr int GlyphsPerRow = 11;
constexpr int MaskOffsetY = 4 * GlyphHeight;
constexpr int Advance = 20;
constexpr int LineWidth = 640;
constexpr int EmptyTextCursorLeft = 310;

void DrawGlyph(const Surface& sheet, Surface& target, int glyph, int left, int top) {
  const int sourceX = GlyphWidth * (glyph % GlyphsPerRow);
  const int sourceY = GlyphHeight * (glyph / GlyphsPerRow);
  target.BitBlt(left, top, GlyphWidth, GlyphHeight, sheet, sourceX, sourceY + MaskOffsetY,
                RasterOp::And);
  target.BitBlt(left, top, GlyphWidth, GlyphHeight, sheet, sourceX, sourceY, RasterOp::Xor);
}

}  // namespace

void WriteText(frmWorm& form, bool moveCursor, Surface& target, std::int16_t x, std::int16_t y,
               const QString& text) {
  const int count = static_cast<int>(text.size());
  const int left = x != 0 ? x : (LineWidth - Advance * count) / 2;
  if (moveCursor) {
    form.picMisc.SetLeft(text.isEmpty() ? EmptyTextCursorLeft : left + Advance * count);
    form.picPlayField.Refresh();
  }
  const Surface& sheet = form.picMiscClip.Dc();
  for (int i = 0; i < count; ++i) {
    const auto glyph = form.FontCharset.indexOf(text[i]);
    if (glyph >= 0) DrawGlyph(sheet, target, static_cast<int>(glyph), left + Advance * i, y);
  }
}
