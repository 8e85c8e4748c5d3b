// The items of a choice screen: drawn plain on the full picture at their place,
// and highlighted on the clip picture at their source corner.
#pragma once

#include "screen_style.h"

#include <functional>
#include <vector>

// Draws an item's symbol into the given box.
using SymbolPainter = std::function<void(QPainter&, const QRect&, bool highlighted)>;

struct ChoiceItem
{
    QRect destination;
    QPoint clipSource;
    QString label;
    SymbolPainter symbol; // none for plain labelled buttons
};

struct ScreenPictures
{
    QImage full;
    QImage clip;
};

struct ScreenLayout
{
    QSize size;
    int ground; // the backdrop: this ground's tiles, enlarged by zoom, darkened by shade
    int zoom;
    int shade;
    QString title;
    QRect titleBox;
    int titleSize;
};

using ScreenContent = std::function<void(QPainter&)>;

// Backdrop and title, then the screen's own content, then its items; and the clip.
ScreenPictures makeChoiceScreen(const ScreenStyle& style, const ScreenLayout& layout,
                                const std::vector<ChoiceItem>& items, const ScreenContent& content);

void drawChoiceItem(QPainter& painter, const ScreenStyle& style, const ChoiceItem& item, const QRect& box,
                    bool highlighted);
void drawChoiceItems(QPainter& painter, const ScreenStyle& style, const std::vector<ChoiceItem>& items);
QImage makeClipPicture(QSize size, const ScreenStyle& style, const std::vector<ChoiceItem>& items);
