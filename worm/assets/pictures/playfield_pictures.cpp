#include "playfield_pictures.h"

#include "ground_tiles.h"

#include <QPainter>

namespace {

constexpr int Columns = 53;
constexpr int Rows = 37;

bool inRing(int x, int y)
{
    return x < CellSize || y < CellSize || x >= (Columns - 1) * CellSize || y >= (Rows - 1) * CellSize;
}

// Light sandstone, so that the black track title reads well on the top ring.
char ringPixel(int x, int y)
{
    const int right = PlayfieldWidth - 1, bottom = PlayfieldHeight - 1;
    if (x == 0 || y == 0 || x == right || y == bottom)
        return 'b';
    if (x == CellSize - 1 || y == CellSize - 1 || x == right - CellSize + 1 || y == bottom - CellSize + 1)
        return 'B';
    if (x == 1 || y == 1)
        return 'w';
    if (x == right - 1 || y == bottom - 1)
        return 'n';
    return 'f';
}

QImage playArea(const ArtSources& sources)
{
    QImage image(PlayfieldWidth, PlayfieldHeight, QImage::Format_RGB32);
    const QImage dirt = groundTile(0, sources.palette);
    QPainter painter(&image);
    for (int row = 1; row < Rows - 1; ++row)
        for (int column = 1; column < Columns - 1; ++column)
            painter.drawImage(column * CellSize, row * CellSize, dirt);
    painter.end();
    for (int y = 0; y < PlayfieldHeight; ++y)
        for (int x = 0; x < PlayfieldWidth; ++x)
            if (inRing(x, y))
                image.setPixel(x, y, sources.palette.rgb(ringPixel(x, y)));
    return image;
}

void drawNumber(QImage& image, const ArtSources& sources, int number, int cellX, int cellY)
{
    const QString digits = QString::number(number);
    const int width = int(digits.size()) * 5 - 1;
    const int left = cellX * CellSize + (CellSize - width + 1) / 2;
    const int top = cellY * CellSize + 2;
    const Shades ink = number % 5 == 0 ? Shades{'R', 'R', 'R'} : Shades{'k', 'k', 'k'};
    for (int i = 0; i < digits.size(); ++i) {
        PixelArt digit = sources.glyphs.art("digit" + std::string(1, digits[i].toLatin1()));
        for (std::string& row : digit.rows)
            for (char& pixel : row)
                pixel = pixel == 'k' ? '1' : pixel;
        drawArt(image, digit, left + i * 5, top, sources.palette, ink);
    }
}

} // namespace

QImage makePlayfield(const ArtSources& sources)
{
    return playArea(sources);
}

QImage makePlayfieldGrid(const ArtSources& sources)
{
    QImage image = playArea(sources);
    for (int column = 1; column < Columns - 1; ++column) {
        drawNumber(image, sources, column, column, 0);
        drawNumber(image, sources, column, column, Rows - 1);
    }
    for (int row = 1; row < Rows - 1; ++row) {
        drawNumber(image, sources, row, 0, row);
        drawNumber(image, sources, row, Columns - 1, row);
    }
    return image;
}
