#include "font_sheet.h"

#include "screen_fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <vector>

namespace {

constexpr int Baseline = 30;
constexpr int CapHeight = 21;
constexpr int InkWidth = 15;

// Which pixels of a cell a glyph covers: its body and its inner details.
struct GlyphShape
{
    QPainterPath body;
    QPainterPath detail;
};

std::vector<bool> coverage(const QPainterPath& path)
{
    QImage image(GlyphWidth, GlyphHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.fillPath(path, Qt::white);
    painter.end();
    std::vector<bool> covered(size_t(GlyphWidth * GlyphHeight));
    for (int y = 0; y < GlyphHeight; ++y)
        for (int x = 0; x < GlyphWidth; ++x)
            covered[size_t(y * GlyphWidth + x)] = qAlpha(image.pixel(x, y)) > 0;
    return covered;
}

QPainterPath letterPath(QChar letter)
{
    QFont font = narrowBoldFont(40);
    font.setPixelSize(qRound(40.0 * CapHeight / QFontMetricsF(font).capHeight()));
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    const QRectF bounds = path.boundingRect();
    const double scaleX = bounds.width() > InkWidth ? InkWidth / bounds.width() : 1.0;
    QTransform transform;
    transform.translate((GlyphWidth - bounds.width() * scaleX) / 2.0, Baseline);
    transform.scale(scaleX, 1.0);
    transform.translate(-bounds.left(), 0);
    return transform.map(path);
}

// "#" rubs out the last letter: an arrow-shaped key pointing left with a cross.
GlyphShape rubOutShape()
{
    GlyphShape shape;
    const int top = Baseline - CapHeight + 3, bottom = Baseline - 2, middle = (top + bottom) / 2;
    shape.body.moveTo(1, middle);
    shape.body.lineTo(6, top);
    shape.body.lineTo(16, top);
    shape.body.lineTo(16, bottom + 1);
    shape.body.lineTo(6, bottom + 1);
    shape.body.closeSubpath();
    QPainterPathStroker stroker;
    stroker.setWidth(2.2);
    QPainterPath cross;
    cross.moveTo(8, middle - 4);
    cross.lineTo(13, middle + 4);
    cross.moveTo(13, middle - 4);
    cross.lineTo(8, middle + 4);
    shape.detail = stroker.createStroke(cross);
    return shape;
}

// "%" ends the entry: a tick.
GlyphShape endShape()
{
    QPainterPath tick;
    tick.moveTo(2.5, Baseline - 9);
    tick.lineTo(6.5, Baseline - 3);
    tick.lineTo(14.5, Baseline - CapHeight + 2);
    QPainterPathStroker stroker;
    stroker.setWidth(4.0);
    stroker.setJoinStyle(Qt::MiterJoin);
    return {stroker.createStroke(tick), {}};
}

// The ring of "Å" stands clear above the letter, which the font's own would not at this size.
GlyphShape ringedA()
{
    QPainterPath ring;
    ring.addEllipse(QRectF(GlyphWidth / 2.0 - 3.0, 1.5, 6.0, 5.5));
    QPainterPathStroker stroker;
    stroker.setWidth(1.8);
    return {letterPath('A').united(stroker.createStroke(ring)), {}};
}

GlyphShape glyphShape(QChar character)
{
    if (character == QChar(0x00C5))
        return ringedA();
    if (character == '#')
        return rubOutShape();
    if (character == '%')
        return endShape();
    if (character == ' ')
        return {};
    return {letterPath(character), {}};
}

// Letter colours from top to bottom: a light rim, yellow, then orange.
char fillAt(int y)
{
    const int top = Baseline - CapHeight;
    if (y <= top)
        return 'w';
    return y < top + CapHeight / 2 ? 'y' : 'o';
}

void drawGlyph(QImage& sheet, int index, QChar character, const Palette& palette)
{
    const GlyphShape shape = glyphShape(character);
    const std::vector<bool> body = coverage(shape.body);
    const std::vector<bool> detail = coverage(shape.detail);
    const int left = (index % GlyphsPerRow) * GlyphWidth;
    const int top = (index / GlyphsPerRow) * GlyphHeight;
    const int maskTop = top + 4 * GlyphHeight;
    const auto covered = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < GlyphWidth && y < GlyphHeight && body[size_t(y * GlyphWidth + x)];
    };
    for (int y = 0; y < GlyphHeight; ++y) {
        for (int x = 0; x < GlyphWidth; ++x) {
            bool outline = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    outline = outline || covered(x + dx, y + dy);
            const bool inside = covered(x, y);
            const bool opaque = inside || outline;
            QRgb colour = qRgb(0, 0, 0);
            if (inside)
                colour = palette.rgb(detail[size_t(y * GlyphWidth + x)] ? 'k' : fillAt(y));
            else if (outline)
                colour = palette.rgb('k');
            sheet.setPixel(left + x, top + y, colour);
            sheet.setPixel(left + x, maskTop + y, opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
}

} // namespace

QString fontCharset()
{
    return QString::fromUtf8("ABCDEFGHIJKLMNOPQRSTUVWXYZÅÄÖ #%0123456789");
}

QImage makeFontSheet(const Palette& palette)
{
    QImage sheet(GlyphsPerRow * GlyphWidth, 8 * GlyphHeight, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    for (int y = 4 * GlyphHeight; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(255, 255, 255));
    const QString charset = fontCharset();
    for (int index = 0; index < charset.size(); ++index)
        drawGlyph(sheet, index, charset[index], palette);
    return sheet;
}

QImage makeFontBlock(const Palette& palette)
{
    QImage block(GlyphWidth + 6, GlyphHeight + 6, QImage::Format_RGB32);
    block.fill(palette.rgb('k'));
    QPainter painter(&block);
    painter.fillRect(block.rect().adjusted(1, 1, -1, -1), palette.colour('y'));
    painter.fillRect(block.rect().adjusted(2, 2, -1, -1), palette.colour('O'));
    painter.fillRect(block.rect().adjusted(2, 2, -2, -2), palette.colour('k'));
    painter.fillRect(QRect(3, 3, GlyphWidth, GlyphHeight), palette.colour('C'));
    return block;
}
