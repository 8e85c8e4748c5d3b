#include "block_sheet.h"

#include "ground_tiles.h"
#include "round_shapes.h"

#include <QPainter>

namespace {

const Shades Yellow{'Y', 'y', 'w'};
const Shades Red{'R', 'r', 's'};
const Shades Purple{'P', 'p', 'v'};
const Shades White{'m', 'l', 'w'};
const Shades Green{'G', 'g', 'h'};
const Shades Blue{'C', 'u', 'c'};
const Shades Grey{'e', 'd', 'm'};
const Shades Fire{'O', 'o', 'y'};
const Shades Flash{'y', 'w', 'w'};

constexpr int Dirt = 0;
constexpr int Darkness = 5;

struct BlockLook
{
    int code;
    PixelArt art;
    Shades shades;
    int ground;
};

std::vector<BlockLook> blockLooks(const ArtBook& arts)
{
    const PixelArt oneWay = arts.art("oneway_up");
    return {
        {9, swirlArt(), Green, Dirt},
        {10, swirlArt(), Grey, Dirt},
        {11, arts.art("key"), Yellow, Dirt},
        {12, arts.art("key"), Red, Dirt},
        {13, arts.art("key"), Purple, Dirt},
        {14, arts.art("scuba"), Grey, Dirt},
        {15, arts.art("lavashoes"), Grey, Dirt},
        {16, arts.art("popcorn"), Grey, Dirt},
        {17, arts.art("apple"), Grey, Dirt},
        {18, arts.art("banana"), Grey, Dirt},
        {19, arts.art("cake"), Grey, Dirt},
        {20, arts.art("hamburger"), Grey, Dirt},
        {21, arts.art("mushroom"), Grey, Dirt},
        {22, portalArt(), White, Dirt},
        {23, portalArt(), Green, Dirt},
        {24, portalArt(), Blue, Dirt},
        {25, spinnerArt(), Grey, Dirt},
        {26, arts.art("door"), Yellow, Dirt},
        {27, arts.art("door"), Red, Dirt},
        {28, arts.art("door"), Purple, Dirt},
        {29, turnedClockwise(oneWay, 2), Grey, Dirt},
        {30, turnedClockwise(oneWay, 3), Grey, Dirt},
        {31, oneWay, Grey, Dirt},
        {32, turnedClockwise(oneWay, 1), Grey, Dirt},
        {33, arts.art("wall_hard"), Grey, Dirt},
        {34, arts.art("wall_soft"), Grey, Dirt},
        {35, arts.art("ironplate_hard"), Grey, Dirt},
        {36, arts.art("ironplate_soft"), Grey, Dirt},
        {37, arts.art("rock_hard"), Grey, Dirt},
        {38, arts.art("fence_hard"), Grey, Dirt},
        {39, arts.art("parking"), Grey, Dirt},
        {43, arts.art("pole_hard"), Grey, Dirt},
        {44, arts.art("pole_soft"), Grey, Dirt},
        {45, arts.art("tree_hard"), Grey, Dirt},
        {46, arts.art("tree_soft"), Grey, Dirt},
        {47, arts.art("rock_soft"), Grey, Dirt},
        {48, arts.art("fence_soft"), Grey, Dirt},
        {50, swirlArt(), Fire, Dirt},
        {51, arts.art("used_bonus"), Grey, Dirt},
        {52, arts.art("extra_life"), Grey, Darkness},
        {53, arts.art("breaking_pads"), Grey, Darkness},
        {54, arts.art("shield"), Grey, Darkness},
        {55, swirlArt(), Fire, Darkness},
        {56, arts.art("shorter_worm"), Grey, Darkness},
        {57, turnedClockwise(swirlArt(), 1), Flash, Dirt},
    };
}

// The closed exit carries a red bar across its swirl.
void markClosed(QImage& cell, const Palette& palette)
{
    for (int x = 2; x <= 9; ++x) {
        cell.setPixel(x, 5, palette.rgb('r'));
        cell.setPixel(x, 6, palette.rgb('R'));
    }
    cell.setPixel(1, 5, palette.rgb('k'));
    cell.setPixel(1, 6, palette.rgb('k'));
    cell.setPixel(10, 5, palette.rgb('k'));
    cell.setPixel(10, 6, palette.rgb('k'));
}

} // namespace

QImage blockPicture(int code, const ArtBook& arts, const Palette& palette)
{
    if (isGroundCode(code))
        return groundTile(code, palette);
    for (const BlockLook& look : blockLooks(arts)) {
        if (look.code != code)
            continue;
        QImage cell = groundTile(look.ground, palette);
        drawArt(cell, look.art, 0, 0, palette, look.shades);
        if (code == 10)
            markClosed(cell, palette);
        return cell;
    }
    return groundTile(Dirt, palette); // codes no block uses
}

QImage makeBlockSheet(const ArtBook& arts, const Palette& palette)
{
    QImage sheet(BlockSheetColumns * CellSize, BlockSheetRows * CellSize, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int code = 0; code < BlockSheetColumns * BlockSheetRows; ++code)
        painter.drawImage((code % BlockSheetColumns) * CellSize, (code / BlockSheetColumns) * CellSize,
                          blockPicture(code, arts, palette));
    return sheet;
}
