#include "sprites.h"

#include "ground_tiles.h"

#include <QPainter>

QImage sprite(const PixelArt& art, const Palette& palette, int zoom, const Shades& shades)
{
    QImage image(art.width(), art.height(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    drawArt(image, art, 0, 0, palette, shades);
    return image.scaled(image.size() * zoom);
}

QImage wormSprite(const Palette& palette, int length, int zoom)
{
    constexpr int Right = 3;
    QImage worm(length * CellSize, CellSize, QImage::Format_ARGB32);
    worm.fill(Qt::transparent);
    for (int i = 0; i < length; ++i) {
        const WormPart part = i == 0 ? WormPart::Tail : i == length - 1 ? WormPart::Head : WormPart::Body;
        drawArt(worm, wormPartArt(part, Right), i * CellSize, 0, palette);
    }
    return worm.scaled(worm.size() * zoom);
}
