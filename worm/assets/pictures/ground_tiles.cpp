#include "ground_tiles.h"

#include <cstdlib>
#include <functional>

namespace {

// A fixed pseudo-random value 0..99 for a pixel, the same on every run.
int speckle(int x, int y, int seed)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return int((h ^ (h >> 16)) % 100u);
}

using PixelRule = std::function<char(int x, int y)>;

QImage paint(const Palette& palette, const PixelRule& rule)
{
    QImage tile(CellSize, CellSize, QImage::Format_RGB32);
    for (int y = 0; y < CellSize; ++y)
        for (int x = 0; x < CellSize; ++x)
            tile.setPixel(x, y, palette.rgb(rule(x, y)));
    return tile;
}

char dirt(int x, int y)
{
    const int s = speckle(x, y, 1);
    return s < 9 ? 'n' : s < 22 ? 'B' : 'b';
}

char water(int x, int y)
{
    static const int wave[6] = {1, 0, 0, 1, 2, 2};
    const int crest = (y - wave[x % 6] + 12) % 6;
    return crest == 1 ? 'c' : crest == 2 ? 'C' : 'u';
}

char grass(int x, int y)
{
    const bool blade = speckle(x, y / 3, 2) < 22;
    return blade && y % 3 != 2 ? 'h' : speckle(x, y, 3) < 12 ? 'G' : 'g';
}

char ice(int x, int y)
{
    const int diagonal = (x + y) % 8;
    if (diagonal == 0 && y % 6 < 4)
        return 'w';
    return speckle(x, y, 4) < 14 ? 'c' : 'i';
}

char lava(int x, int y)
{
    const int crack = (x + 2 * y + (y / 4) * 3) % 7;
    if (crack == 0)
        return speckle(x, y, 5) < 40 ? 'y' : 'o';
    return crack == 1 || crack == 6 ? 'r' : 'R';
}

char darkness(int x, int y)
{
    const int s = speckle(x, y, 6);
    return s < 4 ? 'd' : s < 12 ? 'k' : 'e';
}

char reverse(int x, int y)
{
    const bool square = (x / 6 + y / 6) % 2 == 0;
    const bool edge = x % 6 == 0 || y % 6 == 0;
    return square ? (edge ? 'v' : 'p') : (edge ? 'p' : 'P');
}

// Two chevrons pointing right: a fast ground.
char incSpeed(int x, int y)
{
    const int tip = 4 - int(std::abs(2 * y - 11) / 2);
    const int column = x % 6;
    if (y >= 1 && y <= 10 && (column == tip || column == tip + 1))
        return 'h';
    return 'd';
}

// Two red bars across: a slow ground.
char decSpeed(int x, int y)
{
    const bool bar = (y == 3 || y == 4 || y == 7 || y == 8) && x >= 2 && x <= 9;
    if (bar)
        return y == 3 || y == 7 ? 'r' : 'R';
    return 'd';
}

char sky(int x, int y)
{
    const bool cloud = (y == 3 && x >= 2 && x <= 6) || (y == 4 && x >= 1 && x <= 8)
                       || (y == 8 && x >= 7 && x <= 10) || (y == 9 && x >= 6 && x <= 11);
    if (cloud)
        return y == 3 || y == 8 ? 'w' : 'i';
    return 'c';
}

char sand(int x, int y)
{
    const int s = speckle(x, y, 7);
    return s < 3 ? 'w' : s < 16 ? 'n' : 'f';
}

char floorTiles(int x, int y)
{
    if (x % 6 == 5 || y % 6 == 5)
        return 'm';
    if (x % 6 == 0 || y % 6 == 0)
        return 'w';
    return 'l';
}

} // namespace

QImage groundTile(int code, const Palette& palette)
{
    switch (code) {
    case Blocks::Water: return paint(palette, water);
    case Blocks::Grass: return paint(palette, grass);
    case Blocks::Ice: return paint(palette, ice);
    case Blocks::Lava: return paint(palette, lava);
    case Blocks::Darkness: return paint(palette, darkness);
    case Blocks::Reverse: return paint(palette, reverse);
    case Blocks::IncSpeed: return paint(palette, incSpeed);
    case Blocks::DecSpeed: return paint(palette, decSpeed);
    case Blocks::Sky: return paint(palette, sky);
    case Blocks::Sand: return paint(palette, sand);
    case Blocks::Floor: return paint(palette, floorTiles);
    default: return paint(palette, dirt);
    }
}
