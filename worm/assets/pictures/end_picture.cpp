#include "choice_items.h"
#include "screen_fonts.h"
#include "screen_pictures.h"
#include "sprites.h"

#include <QPainterPath>

namespace {

const QSize ScreenSize(640, 480);

void drawCup(QPainter& painter, const ScreenStyle& style, const QRect& box)
{
    QPainterPath cup;
    const int w = box.width(), h = box.height();
    cup.moveTo(box.left() + w * 0.15, box.top());
    cup.lineTo(box.left() + w * 0.85, box.top());
    cup.cubicTo(box.left() + w * 0.85, box.top() + h * 0.45, box.left() + w * 0.65, box.top() + h * 0.55,
                box.left() + w * 0.56, box.top() + h * 0.6);
    cup.lineTo(box.left() + w * 0.56, box.top() + h * 0.78);
    cup.lineTo(box.left() + w * 0.75, box.top() + h * 0.84);
    cup.lineTo(box.left() + w * 0.75, box.bottom());
    cup.lineTo(box.left() + w * 0.25, box.bottom());
    cup.lineTo(box.left() + w * 0.25, box.top() + h * 0.84);
    cup.lineTo(box.left() + w * 0.44, box.top() + h * 0.78);
    cup.lineTo(box.left() + w * 0.44, box.top() + h * 0.6);
    cup.cubicTo(box.left() + w * 0.35, box.top() + h * 0.55, box.left() + w * 0.15, box.top() + h * 0.45,
                box.left() + w * 0.15, box.top());
    QPainterPath handles;
    handles.addEllipse(QRectF(box.left(), box.top() + h * 0.05, w * 0.3, h * 0.3));
    handles.addEllipse(QRectF(box.left() + w * 0.7, box.top() + h * 0.05, w * 0.3, h * 0.3));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style.colour('k'), 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(handles);
    painter.setPen(QPen(style.colour('Y'), 4));
    painter.drawPath(handles);
    QLinearGradient gold(box.topLeft(), box.topRight());
    gold.setColorAt(0, style.colour('Y'));
    gold.setColorAt(0.35, style.colour('w'));
    gold.setColorAt(0.55, style.colour('y'));
    gold.setColorAt(1, style.colour('o'));
    painter.setPen(QPen(style.colour('k'), 4));
    painter.setBrush(gold);
    painter.drawPath(cup);
    painter.restore();
}

} // namespace

ScreenPictures makeEndPictures(const ScreenStyle& style)
{
    const std::vector<ChoiceItem> items = {{QRect(511, 442, 120, 29), QPoint(0, 0), "OK", {}}};
    const ScreenLayout layout{ScreenSize, 2, 3, 150, "CONGRATULATIONS!", QRect(0, 18, 640, 70), 46};
    return makeChoiceScreen(style, layout, items, [&](QPainter& painter) {
        drawCup(painter, style, QRect(240, 110, 160, 170));
        style.panel(painter, QRect(60, 300, 520, 100));
        style.outlinedText(painter, QRect(60, 316, 520, 30), Qt::AlignCenter,
                           "Your worm has driven through every track", boldFont(20), 'y', 1);
        style.outlinedText(painter, QRect(60, 350, 520, 30), Qt::AlignCenter, "of this database. Well steered!",
                           boldFont(20), 'y', 1);
        const QImage worm = wormSprite(style.sources().palette, 5, 3);
        painter.drawImage(40, 200, worm);
        painter.drawImage(430, 200, worm.mirrored(true, false));
    });
}
