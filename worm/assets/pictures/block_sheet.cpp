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

constexpr int Dirt = Blocks::Dirt;
constexpr int Darkness = Blocks::Darkness;

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
        {Blocks::WormholeStart, swirlArt(), Green, Dirt},
        {Blocks::WormholeExit, swirlArt(), Grey, Dirt},
        {Blocks::YellowKey, arts.art("key"), Yellow, Dirt},
        {Blocks::RedKey, arts.art("key"), Red, Dirt},
        {Blocks::PurpleKey, arts.art("key"), Purple, Dirt},
        {Blocks::ScubaGear, arts.art("scuba"), Grey, Dirt},
        {Blocks::Lavashoes, arts.art("lavashoes"), Grey, Dirt},
        {Blocks::Popcorn, arts.art("popcorn"), Grey, Dirt},
        {Blocks::Apple, arts.art("apple"), Grey, Dirt},
        {Blocks::Banana, arts.art("banana"), Grey, Dirt},
        {Blocks::Cake, arts.art("cake"), Grey, Dirt},
        {Blocks::Hamburger, arts.art("hamburger"), Grey, Dirt},
        {Blocks::Mushroom, arts.art("mushroom"), Grey, Dirt},
        {Blocks::WhitePortal, portalArt(), White, Dirt},
        {Blocks::GreenPortal, portalArt(), Green, Dirt},
        {Blocks::BluePortal, portalArt(), Blue, Dirt},
        {Blocks::Spinner, spinnerArt(), Grey, Dirt},
        {Blocks::YellowDoor, arts.art("door"), Yellow, Dirt},
        {Blocks::RedDoor, arts.art("door"), Red, Dirt},
        {Blocks::PurpleDoor, arts.art("door"), Purple, Dirt},
        {Blocks::OnewayDown, turnedClockwise(oneWay, 2), Grey, Dirt},
        {Blocks::OnewayLeft, turnedClockwise(oneWay, 3), Grey, Dirt},
        {Blocks::OnewayUp, oneWay, Grey, Dirt},
        {Blocks::OnewayRight, turnedClockwise(oneWay, 1), Grey, Dirt},
        {Blocks::WallHard, arts.art("wall_hard"), Grey, Dirt},
        {Blocks::WallSoft, arts.art("wall_soft"), Grey, Dirt},
        {Blocks::IronplateHard, arts.art("ironplate_hard"), Grey, Dirt},
        {Blocks::IronplateSoft, arts.art("ironplate_soft"), Grey, Dirt},
        {Blocks::RockHard, arts.art("rock_hard"), Grey, Dirt},
        {Blocks::FenceHard, arts.art("fence_hard"), Grey, Dirt},
        {Blocks::Parking, arts.art("parking"), Grey, Dirt},
        {Blocks::PoleHard, arts.art("pole_hard"), Grey, Dirt},
        {Blocks::PoleSoft, arts.art("pole_soft"), Grey, Dirt},
        {Blocks::TreeHard, arts.art("tree_hard"), Grey, Dirt},
        {Blocks::TreeSoft, arts.art("tree_soft"), Grey, Dirt},
        {Blocks::RockSoft, arts.art("rock_soft"), Grey, Dirt},
        {Blocks::FenceSoft, arts.art("fence_soft"), Grey, Dirt},
        {Blocks::OpenExit, swirlArt(), Fire, Dirt},
        {Blocks::UsedBonus, arts.art("used_bonus"), Grey, Dirt},
        {BlockPictures::ExtraLife, arts.art("extra_life"), Grey, Darkness},
        {BlockPictures::BreakingPads, arts.art("breaking_pads"), Grey, Darkness},
        {BlockPictures::Shield, arts.art("shield"), Grey, Darkness},
        {BlockPictures::OpenExits, swirlArt(), Fire, Darkness},
        {BlockPictures::ShorterWorm, arts.art("shorter_worm"), Grey, Darkness},
        {Blocks::ExitFlash, turnedClockwise(swirlArt(), 1), Flash, Dirt},
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
    if (IsGroundCode(code))
        return groundTile(code, palette);
    for (const BlockLook& look : blockLooks(arts)) {
        if (look.code != code)
            continue;
        QImage cell = groundTile(look.ground, palette);
        drawArt(cell, look.art, 0, 0, palette, look.shades);
        if (code == Blocks::WormholeExit)
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
