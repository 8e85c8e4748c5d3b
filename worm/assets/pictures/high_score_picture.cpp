#include "choice_items.h"
#include "font_sheet.h"
#include "screen_fonts.h"
#include "screen_pictures.h"

namespace {

const QSize ScreenSize(640, 480);

int rowTop(int rank)
{
    return 10 + 38 * rank;
}

// A glyph of the bitmap font on a transparent background, for the help line.
QImage fontGlyph(const QImage& sheet, QChar character)
{
    const int index = int(fontCharset().indexOf(character));
    const int left = GlyphWidth * (index % GlyphsPerRow), top = GlyphHeight * (index / GlyphsPerRow);
    QImage glyph(GlyphWidth, GlyphHeight, QImage::Format_ARGB32);
    for (int y = 0; y < GlyphHeight; ++y)
        for (int x = 0; x < GlyphWidth; ++x)
            glyph.setPixel(x, y, qRed(sheet.pixel(left + x, top + 4 * GlyphHeight + y)) == 0
                                     ? sheet.pixel(left + x, top + y)
                                     : qRgba(0, 0, 0, 0));
    return glyph.scaled(GlyphWidth * 2 / 3, GlyphHeight * 2 / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void drawRows(QPainter& painter, const ScreenStyle& style)
{
    for (int rank = 1; rank <= 10; ++rank) {
        const QRect band(36, rowTop(rank) - 2, 568, 37);
        QColor shade = style.colour(rank % 2 ? 'e' : 'd');
        shade.setAlpha(200);
        painter.fillRect(band, style.colour('k'));
        painter.fillRect(band.adjusted(1, 1, -1, -1), shade);
    }
}

void drawHelp(QPainter& painter, const ScreenStyle& style)
{
    const QImage sheet = makeFontSheet(style.sources().palette);
    const QFont font = boldFont(12);
    int x = 14;
    const int top = 446;
    const auto text = [&](const QString& words) {
        style.outlinedText(painter, QRect(x, top, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, words, font, 'l', 1);
        x += QFontMetrics(font).horizontalAdvance(words) + 6;
    };
    const auto glyph = [&](QChar character) {
        painter.drawImage(x, top + 1, fontGlyph(sheet, character));
        x += GlyphWidth * 2 / 3 + 4;
    };
    text("4 6 letter,  0 take,");
    glyph('#');
    text("rub out,");
    glyph('%');
    text("done");
}

} // namespace

ScreenPictures makeHighScorePictures(const ScreenStyle& style)
{
    const std::vector<ChoiceItem> items = {{QRect(507, 444, 124, 31), QPoint(0, 0), "OK", {}}};
    const ScreenLayout layout{ScreenSize, 2, 3, 160, "HIGH SCORES", QRect(0, 2, 640, 40), 34};
    return makeChoiceScreen(style, layout, items, [&](QPainter& painter) {
        style.outlinedText(painter, QRect(40, 26, 100, 16), Qt::AlignLeft | Qt::AlignVCenter, "PLACE", boldFont(11),
                           'l', 1);
        style.outlinedText(painter, QRect(500, 26, 100, 16), Qt::AlignRight | Qt::AlignVCenter, "TRACKS",
                           boldFont(11), 'l', 1);
        drawRows(painter, style);
        drawHelp(painter, style);
    });
}
