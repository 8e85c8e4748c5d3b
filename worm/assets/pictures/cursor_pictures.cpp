#include "cursor_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Size = 32;

QImage emptyCursor()
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Fills a path with a colour and a one-pixel dark outline, without smoothing.
void outlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& outline)
{
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

// A pencil lying from its point at the lower left to the upper right.
PictureFile pencil(const Palette& palette)
{
    QImage image = emptyCursor();
    QPainter painter(&image);
    painter.translate(1.5, 29.5);
    painter.rotate(-45);
    const auto part = [&](double from, double to, char fill) {
        QPainterPath body;
        body.addRect(QRectF(from, -3.5, to - from, 7));
        outlined(painter, body, palette.colour(fill), palette.colour('k'));
    };
    outlined(painter, polygon({{0, 0}, {9, -3.5}, {9, 3.5}}), palette.colour('f'), palette.colour('k'));
    outlined(painter, polygon({{0, 0}, {3.5, -1.5}, {3.5, 1.5}}), palette.colour('k'), palette.colour('k'));
    part(9, 28, 'y');
    part(28, 32, 'l');
    part(32, 37, 's');
    painter.end();
    const QPoint tip(1, 30);
    image.setPixel(tip, palette.rgb('k'));
    return {"Curser", "Draw.cur", image, tip};
}

// Cross hairs around the hot spot, with a small picture of the tool beside them.
QImage crossHairs(const Palette& palette, QPoint hotSpot)
{
    QImage image = emptyCursor();
    QPainter painter(&image);
    const QColor white = palette.colour('w'), black = palette.colour('k');
    painter.fillRect(hotSpot.x() - 1, hotSpot.y() - 8, 3, 17, white);
    painter.fillRect(hotSpot.x() - 8, hotSpot.y() - 1, 17, 3, white);
    painter.fillRect(hotSpot.x(), hotSpot.y() - 7, 1, 15, black);
    painter.fillRect(hotSpot.x() - 7, hotSpot.y(), 15, 1, black);
    return image;
}

PictureFile rectangleTool(const Palette& palette, bool filled)
{
    const QPoint hotSpot(8, 8);
    QImage image = crossHairs(palette, hotSpot);
    QPainter painter(&image);
    const QRect box(14, 15, 16, 13);
    painter.fillRect(box, palette.colour('w'));
    painter.fillRect(box.adjusted(1, 1, -1, -1), palette.colour('k'));
    painter.fillRect(box.adjusted(3, 3, -3, -3), filled ? palette.colour('u') : palette.colour('w'));
    if (!filled) {
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(box.adjusted(4, 4, -4, -4), Qt::transparent);
    }
    painter.end();
    return {"Curser", filled ? "Filled Rectangel.cur" : "Hollow Rectangel.cur", image, hotSpot};
}

// A tipped bucket pouring paint; the hot spot is the tip of the falling drop.
PictureFile fillTool(const Palette& palette)
{
    QImage image = emptyCursor();
    QPainter painter(&image);
    outlined(painter, polygon({{12, 6}, {28, 14}, {22, 27}, {8, 20}}), palette.colour('l'), palette.colour('k'));
    outlined(painter, polygon({{12, 6}, {8, 20}, {5, 18}, {9, 5}}), palette.colour('u'), palette.colour('k'));
    outlined(painter, polygon({{2, 29}, {2, 23}, {5, 21}, {6, 25}}), palette.colour('u'), palette.colour('k'));
    painter.setPen(QPen(palette.colour('k'), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(15, 1, 14, 14), 30 * 16, 150 * 16);
    painter.end();
    const QPoint tip(2, 29);
    image.setPixel(tip, palette.rgb('k'));
    return {"Curser", "Fill.cur", image, tip};
}

} // namespace

std::vector<PictureFile> makeCursorFiles(const Palette& palette)
{
    return {pencil(palette), rectangleTool(palette, true), rectangleTool(palette, false), fillTool(palette)};
}
