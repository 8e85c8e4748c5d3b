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
const Shades Flash{'o', 'y', 'w'};

// What a block's picture stands on: a tile of its own, which looks the same on
// every ground around it, or the empty slot of the headline's bonus row.
enum class Base
{
    Plinth,
    BonusSlot
};

struct BlockLook
{
    int code;
    PixelArt art;
    Shades shades;
    Base base = Base::Plinth;
};

std::vector<BlockLook> blockLooks(const ArtBook& arts)
{
    const PixelArt oneWay = arts.art("oneway_up");
    return {
        {Blocks::WormholeStart, swirlArt(), Green},
        {Blocks::WormholeExit, gratedExitArt(), Fire},
        {Blocks::YellowKey, arts.art("key"), Yellow},
        {Blocks::RedKey, arts.art("key"), Red},
        {Blocks::PurpleKey, arts.art("key"), Purple},
        {Blocks::ScubaGear, arts.art("scuba"), Grey},
        {Blocks::Lavashoes, arts.art("lavashoes"), Grey},
        {Blocks::Popcorn, arts.art("popcorn"), Grey},
        {Blocks::Apple, arts.art("apple"), Grey},
        {Blocks::Banana, arts.art("banana"), Grey},
        {Blocks::Cake, arts.art("cake"), Grey},
        {Blocks::Hamburger, arts.art("hamburger"), Grey},
        {Blocks::Mushroom, arts.art("mushroom"), Grey},
        {Blocks::WhitePortal, portalArt(), White},
        {Blocks::GreenPortal, portalArt(), Green},
        {Blocks::BluePortal, portalArt(), Blue},
        {Blocks::Spinner, spinnerArt(), Grey},
        {Blocks::YellowDoor, arts.art("door"), Yellow},
        {Blocks::RedDoor, arts.art("door"), Red},
        {Blocks::PurpleDoor, arts.art("door"), Purple},
        {Blocks::OnewayDown, turnedClockwise(oneWay, 2), Grey},
        {Blocks::OnewayLeft, turnedClockwise(oneWay, 3), Grey},
        {Blocks::OnewayUp, oneWay, Grey},
        {Blocks::OnewayRight, turnedClockwise(oneWay, 1), Grey},
        {Blocks::WallHard, arts.art("wall_hard"), Grey},
        {Blocks::WallSoft, arts.art("wall_soft"), Grey},
        {Blocks::IronplateHard, arts.art("ironplate_hard"), Grey},
        {Blocks::IronplateSoft, arts.art("ironplate_soft"), Grey},
        {Blocks::RockHard, arts.art("rock_hard"), Grey},
        {Blocks::FenceHard, arts.art("fence_hard"), Grey},
        {Blocks::Parking, arts.art("parking"), Grey},
        {Blocks::PoleHard, arts.art("pole_hard"), Grey},
        {Blocks::PoleSoft, arts.art("pole_soft"), Grey},
        {Blocks::TreeHard, arts.art("tree_hard"), Grey},
        {Blocks::TreeSoft, arts.art("tree_soft"), Grey},
        {Blocks::RockSoft, arts.art("rock_soft"), Grey},
        {Blocks::FenceSoft, arts.art("fence_soft"), Grey},
        {Blocks::OpenExit, swirlArt('w'), Fire},
        {Blocks::UsedBonus, arts.art("used_bonus"), Grey},
        {BlockPictures::ExtraLife, arts.art("extra_life"), Grey, Base::BonusSlot},
        {BlockPictures::BreakingPads, arts.art("breaking_pads"), Grey, Base::BonusSlot},
        {BlockPictures::Shield, arts.art("shield"), Grey, Base::BonusSlot},
        {BlockPictures::OpenExits, exitBurstArt(), Fire, Base::BonusSlot},
        {BlockPictures::ShorterWorm, arts.art("shorter_worm"), Grey, Base::BonusSlot},
        {Blocks::ExitFlash, turnedClockwise(swirlArt('w'), 1), Flash},
    };
}

// The slate tile of art/blocks.txt that items and obstacles are drawn on.
QImage plinth(const ArtBook& arts, const Palette& palette)
{
    QImage cell(CellSize, CellSize, QImage::Format_RGB32);
    cell.fill(palette.rgb('k'));
    drawArt(cell, arts.art("plinth"), 0, 0, palette);
    return cell;
}

} // namespace

QImage blockPicture(int code, const ArtBook& arts, const Palette& palette)
{
    if (IsGroundCode(code))
        return groundTile(code, palette);
    for (const BlockLook& look : blockLooks(arts)) {
        if (look.code != code)
            continue;
        QImage cell = look.base == Base::Plinth ? plinth(arts, palette)
                                                : groundTile(BlockPictures::EmptyBonusSlot, palette);
        drawArt(cell, look.art, 0, 0, palette, look.shades);
        return cell;
    }
    return groundTile(Blocks::Dirt, palette); // codes no block uses
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
