#include "choice_items.h"
#include "screen_fonts.h"
#include "screen_pictures.h"

#include <QPainterPath>

namespace {

const QSize PlayAreaSize(636, 444);

SymbolPainter playOnSymbol(const ScreenStyle& style)
{
    return [&style](QPainter& painter, const QRect& box, bool) {
        QPainterPath triangle;
        const QRect square = QRect(0, 0, box.height(), box.height());
        const QRect area = square.translated(box.center() - square.center());
        triangle.moveTo(area.left() + 8, area.top());
        triangle.lineTo(area.right() - 2, area.center().y());
        triangle.lineTo(area.left() + 8, area.bottom());
        triangle.closeSubpath();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(triangle, QPen(style.colour('k'), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(triangle, style.colour('g'));
        painter.restore();
    };
}

SymbolPainter endGameSymbol(const ScreenStyle& style)
{
    return [&style](QPainter& painter, const QRect& box, bool) {
        const int half = box.height() / 2 - 4;
        const QPoint c = box.center();
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        for (const auto& [width, legend] : {std::pair{18, 'k'}, std::pair{11, 'r'}}) {
            painter.setPen(QPen(style.colour(legend), width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(c + QPoint(-half, -half), c + QPoint(half, half));
            painter.drawLine(c + QPoint(half, -half), c + QPoint(-half, half));
        }
        painter.restore();
    };
}

SymbolPainter saveSymbol(const ScreenStyle& style)
{
    return [&style](QPainter& painter, const QRect& box, bool) {
        const int side = box.height() - 4;
        const QRect disk = QRect(0, 0, side, side).translated(box.center() - QPoint(side / 2, side / 2));
        painter.fillRect(disk, style.colour('k'));
        painter.fillRect(disk.adjusted(3, 3, -3, -3), style.colour('u'));
        const QRect shutter(disk.left() + side / 4, disk.top() + 3, side / 2, side / 3);
        painter.fillRect(shutter, style.colour('l'));
        painter.fillRect(shutter.adjusted(shutter.width() * 2 / 3, 4, -4, -4), style.colour('d'));
        const QRect label(disk.left() + 9, disk.top() + side / 2 + 2, side - 18, side / 2 - 8);
        painter.fillRect(label, style.colour('w'));
        for (int y = label.top() + 6; y < label.bottom() - 2; y += 6)
            painter.fillRect(label.left() + 4, y, label.width() - 8, 2, style.colour('m'));
    };
}

SymbolPainter infoSymbol(const ScreenStyle& style)
{
    return [&style](QPainter& painter, const QRect& box, bool) {
        const int side = box.height();
        const QRect circle = QRect(0, 0, side, side).translated(box.center() - QPoint(side / 2, side / 2));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(style.colour('k'), 4));
        painter.setBrush(style.colour('c'));
        painter.drawEllipse(circle.adjusted(2, 2, -2, -2));
        painter.restore();
        style.outlinedText(painter, circle, Qt::AlignCenter, "?", boldFont(side * 2 / 3), 'w', 2);
    };
}

} // namespace

ScreenPictures makePausePictures(const ScreenStyle& style)
{
    const std::vector<ChoiceItem> items = {
        {QRect(103, 164, 135, 135), QPoint(0, 0), "END GAME", endGameSymbol(style)},
        {QRect(249, 79, 135, 135), QPoint(137, 0), "PLAY ON", playOnSymbol(style)},
        {QRect(402, 162, 135, 135), QPoint(274, 0), "SAVE GAME", saveSymbol(style)},
        {QRect(249, 244, 135, 135), QPoint(411, 0), "HOW TO PLAY", infoSymbol(style)},
    };
    const ScreenLayout layout{PlayAreaSize, 0, 2, 170, "PAUSE", QRect(0, 8, 636, 60), 54};
    return makeChoiceScreen(style, layout, items, [&](QPainter& painter) {
        style.outlinedText(painter, QRect(0, 396, 636, 40), Qt::AlignCenter, "Push toward an item and press fire or 0",
                           plainFont(15), 'c', 1);
    });
}
