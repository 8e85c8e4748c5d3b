#include "screen_style.h"

#include "block_sheet.h"
#include "ground_tiles.h"
#include "screen_fonts.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

ScreenStyle::ScreenStyle(const ArtSources& sources)
    : m_sources(sources), m_blocks(makeBlockSheet(sources.blocks, sources.palette))
{
}

QImage ScreenStyle::block(int code) const
{
    return m_blocks.copy((code % BlockSheetColumns) * CellSize, (code / BlockSheetColumns) * CellSize, CellSize,
                         CellSize);
}

namespace {

QPainterPath textPath(const QRect& box, int flags, const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const QFontMetricsF metrics(font);
    const double width = bounds.width() + bounds.left();
    double x = box.left();
    if (flags & Qt::AlignHCenter)
        x = box.left() + (box.width() - width) / 2.0;
    else if (flags & Qt::AlignRight)
        x = box.right() + 1 - width;
    // Capital letters are centred in the box height.
    const double capHeight = metrics.capHeight();
    double baseline = box.top() + capHeight;
    if (flags & Qt::AlignVCenter)
        baseline = box.top() + (box.height() + capHeight) / 2.0;
    else if (flags & Qt::AlignBottom)
        baseline = box.bottom() + 1 - metrics.descent();
    return path.translated(std::round(x), std::round(baseline));
}

} // namespace

void ScreenStyle::outlinedText(QPainter& painter, const QRect& box, int flags, const QString& text,
                               const QFont& font, char fill, int outline) const
{
    const QPainterPath path = textPath(box, flags, text, font);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (outline > 0)
        painter.strokePath(path, QPen(colour('k'), 2.0 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, colour(fill));
    painter.restore();
}

void ScreenStyle::titleText(QPainter& painter, const QRect& box, int flags, const QString& text,
                            const QFont& font) const
{
    const QPainterPath path = textPath(box, flags, text, font);
    const QRectF bounds = path.boundingRect();
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, colour('w'));
    gradient.setColorAt(0.25, colour('y'));
    gradient.setColorAt(1.0, colour('o'));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path.translated(2, 3), QPen(colour('k'), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(colour('k'), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(colour('O'), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, gradient);
    painter.restore();
}

void ScreenStyle::plainText(QPainter& painter, const QRect& box, int flags, const QString& text,
                            const QFont& font, char colourLegend) const
{
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour(colourLegend));
    painter.drawText(box, flags, text);
    painter.restore();
}

void ScreenStyle::recess(QPainter& painter, const QRect& box) const
{
    painter.fillRect(box, colour('m'));
    painter.fillRect(box.adjusted(0, 0, -1, -1), colour('k'));
    painter.fillRect(box.adjusted(1, 1, -1, -1), colour('e'));
}

void ScreenStyle::panel(QPainter& painter, const QRect& box) const
{
    painter.fillRect(box, colour('k'));
    painter.fillRect(box.adjusted(2, 2, -2, -2), colour('Y'));
    painter.fillRect(box.adjusted(3, 3, -3, -3), colour('k'));
    QColor night = colour('e');
    night.setAlpha(235);
    painter.fillRect(box.adjusted(4, 4, -4, -4), night);
}

void ScreenStyle::itemButton(QPainter& painter, const QRect& box, const QString& label, bool highlighted) const
{
    const char face = highlighted ? 'y' : 'd';
    const char light = highlighted ? 'w' : 'm';
    const char dark = highlighted ? 'o' : 'e';
    painter.fillRect(box, colour('k'));
    painter.fillRect(box.adjusted(2, 2, -2, -2), colour(dark));
    painter.fillRect(box.adjusted(2, 2, -4, -4), colour(light));
    painter.fillRect(box.adjusted(4, 4, -4, -4), colour(face));
    const int size = std::min(16, box.height() - 16);
    QFont font = boldFont(size);
    while (QFontMetrics(font).horizontalAdvance(label) > box.width() - 14 && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    if (highlighted)
        plainText(painter, box.translated(0, 1), Qt::AlignCenter, label, font, 'k');
    else
        outlinedText(painter, box, Qt::AlignCenter, label, font, 'l', 1);
}

void ScreenStyle::tiledBackdrop(QPainter& painter, const QRect& box, int ground, int zoom, int shade) const
{
    const QImage tile = groundTile(ground, m_sources.palette);
    painter.save();
    painter.setClipRect(box);
    for (int y = box.top(); y <= box.bottom(); y += CellSize * zoom)
        for (int x = box.left(); x <= box.right(); x += CellSize * zoom)
            painter.drawImage(QRect(x, y, CellSize * zoom, CellSize * zoom), tile);
    painter.fillRect(box, QColor(0, 0, 0, shade));
    painter.restore();
}

void ScreenStyle::drawBlock(QPainter& painter, QPoint at, int code, int zoom) const
{
    painter.drawImage(QRect(at, QSize(CellSize * zoom, CellSize * zoom)), block(code));
}
