#include "choice_items.h"
#include "screen_fonts.h"
#include "screen_pictures.h"
#include "sprites.h"

namespace {

const QSize ScreenSize(640, 480);

std::vector<ChoiceItem> menuItems()
{
    return {
        {QRect(275, 289, 95, 40), QPoint(0, 0), "NEW GAME", {}},
        {QRect(256, 206, 130, 40), QPoint(0, 41), "HIGH SCORES", {}},
        {QRect(450, 291, 82, 39), QPoint(0, 82), "EDITOR", {}},
        {QRect(249, 370, 142, 39), QPoint(0, 122), "CONTINUE", {}},
        {QRect(112, 288, 89, 42), QPoint(0, 162), "QUIT", {}},
    };
}

// Gold bars from the centre item to the four others, like the arms of a stick.
void drawCross(QPainter& painter, const ScreenStyle& style, const std::vector<ChoiceItem>& items)
{
    const QPoint centre = items[0].destination.center();
    for (size_t i = 1; i < items.size(); ++i) {
        const QPoint end = items[i].destination.center();
        const QRect bar = QRect(centre, end).normalized().adjusted(-4, -4, 4, 4);
        const bool horizontal = std::abs(end.x() - centre.x()) > std::abs(end.y() - centre.y());
        const QRect arm = horizontal ? QRect(bar.left(), centre.y() - 4, bar.width(), 9)
                                     : QRect(centre.x() - 4, bar.top(), 9, bar.height());
        painter.fillRect(arm, style.colour('k'));
        painter.fillRect(arm.adjusted(2, 2, -2, -2), style.colour('Y'));
    }
}

void drawScenery(QPainter& painter, const ScreenStyle& style)
{
    const Palette& palette = style.sources().palette;
    const ArtBook& arts = style.sources().blocks;
    painter.drawImage(40, 420, wormSprite(palette, 6, 3));
    painter.drawImage(300, 430, sprite(arts.art("apple"), palette, 3));
    painter.drawImage(560, 190, sprite(arts.art("key"), palette, 3, {'Y', 'y', 'w'}));
    painter.drawImage(60, 190, sprite(arts.art("banana"), palette, 3));
    painter.drawImage(560, 420, sprite(arts.art("cake"), palette, 3));
    painter.drawImage(470, 370, sprite(arts.art("tree_hard"), palette, 3));
    painter.drawImage(130, 370, sprite(arts.art("rock_hard"), palette, 3));
}

} // namespace

ScreenPictures makeMainMenuPictures(const ScreenStyle& style)
{
    const std::vector<ChoiceItem> items = menuItems();
    const ScreenLayout layout{ScreenSize, 0, 3, 150, "THE VORA", QRect(0, 24, 640, 84), 80};
    return makeChoiceScreen(style, layout, items, [&](QPainter& painter) {
        style.outlinedText(painter, QRect(0, 118, 640, 24), Qt::AlignCenter, "THE WORM GAME", boldFont(20), 'l');
        style.outlinedText(painter, QRect(0, 160, 640, 18), Qt::AlignCenter,
                           "Push the stick or keypad 8, 6, 2, 4 to choose, fire or 0 to go", plainFont(13), 'c', 1);
        drawScenery(painter, style);
        drawCross(painter, style, items);
    });
}
