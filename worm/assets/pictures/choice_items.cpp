#include "choice_items.h"

#include "screen_fonts.h"

void drawChoiceItem(QPainter& painter, const ScreenStyle& style, const ChoiceItem& item, const QRect& box,
                    bool highlighted)
{
    if (!item.symbol) {
        style.itemButton(painter, box, item.label, highlighted);
        return;
    }
    style.itemButton(painter, box, QString(), highlighted);
    const QRect labelBox(box.left(), box.bottom() - 34, box.width(), 26);
    const QRect symbolBox = box.adjusted(24, 14, -24, -40);
    item.symbol(painter, symbolBox, highlighted);
    if (highlighted)
        style.plainText(painter, labelBox, Qt::AlignCenter, item.label, boldFont(17), 'k');
    else
        style.outlinedText(painter, labelBox, Qt::AlignCenter, item.label, boldFont(17), 'l', 1);
}

void drawChoiceItems(QPainter& painter, const ScreenStyle& style, const std::vector<ChoiceItem>& items)
{
    for (const ChoiceItem& item : items)
        drawChoiceItem(painter, style, item, item.destination, false);
}

QImage makeClipPicture(QSize size, const ScreenStyle& style, const std::vector<ChoiceItem>& items)
{
    QImage clip(size, QImage::Format_RGB32);
    clip.fill(style.colour('e'));
    QPainter painter(&clip);
    for (const ChoiceItem& item : items)
        drawChoiceItem(painter, style, item, QRect(item.clipSource, item.destination.size()), true);
    return clip;
}

ScreenPictures makeChoiceScreen(const ScreenStyle& style, const ScreenLayout& layout,
                                const std::vector<ChoiceItem>& items, const ScreenContent& content)
{
    QImage full(layout.size, QImage::Format_RGB32);
    QPainter painter(&full);
    style.tiledBackdrop(painter, full.rect(), layout.ground, layout.zoom, layout.shade);
    style.titleText(painter, layout.titleBox, Qt::AlignCenter, layout.title, boldFont(layout.titleSize));
    content(painter);
    drawChoiceItems(painter, style, items);
    return {full, makeClipPicture(layout.size, style, items)};
}
