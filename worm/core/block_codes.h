#pragma once

#include "core/direction.h"

#include <array>
#include <cstdint>
#include <string_view>

// What one cell of a track holds; also the cell's picture in the block sheet.
using BlockCode = std::uint8_t;

// Every block code by name.
namespace Blocks {
// Grounds.
constexpr BlockCode Dirt = 0;
constexpr BlockCode Water = 1;
constexpr BlockCode Grass = 2;
constexpr BlockCode Ice = 3;
constexpr BlockCode Lava = 4;
constexpr BlockCode Darkness = 5;
constexpr BlockCode Reverse = 6;
constexpr BlockCode IncSpeed = 7;
constexpr BlockCode DecSpeed = 8;
constexpr BlockCode Sky = 40;
constexpr BlockCode Sand = 41;
constexpr BlockCode Floor = 42;
// Items.
constexpr BlockCode WormholeStart = 9;
constexpr BlockCode WormholeExit = 10;
constexpr BlockCode YellowKey = 11;
constexpr BlockCode RedKey = 12;
constexpr BlockCode PurpleKey = 13;
constexpr BlockCode ScubaGear = 14;
constexpr BlockCode Lavashoes = 15;
constexpr BlockCode Mushroom = 21;
constexpr BlockCode Spinner = 25;
constexpr BlockCode Parking = 39;
// Food.
constexpr BlockCode Popcorn = 16;
constexpr BlockCode Apple = 17;
constexpr BlockCode Banana = 18;
constexpr BlockCode Cake = 19;
constexpr BlockCode Hamburger = 20;
// Portals.
constexpr BlockCode WhitePortal = 22;
constexpr BlockCode GreenPortal = 23;
constexpr BlockCode BluePortal = 24;
// Doors.
constexpr BlockCode YellowDoor = 26;
constexpr BlockCode RedDoor = 27;
constexpr BlockCode PurpleDoor = 28;
// One-ways.
constexpr BlockCode OnewayDown = 29;
constexpr BlockCode OnewayLeft = 30;
constexpr BlockCode OnewayUp = 31;
constexpr BlockCode OnewayRight = 32;
// Walls.
constexpr BlockCode WallHard = 33;
constexpr BlockCode WallSoft = 34;
constexpr BlockCode IronplateHard = 35;
constexpr BlockCode IronplateSoft = 36;
constexpr BlockCode RockHard = 37;
constexpr BlockCode FenceHard = 38;
constexpr BlockCode PoleHard = 43;
constexpr BlockCode PoleSoft = 44;
constexpr BlockCode TreeHard = 45;
constexpr BlockCode TreeSoft = 46;
constexpr BlockCode RockSoft = 47;
constexpr BlockCode FenceSoft = 48;
// Play only.
constexpr BlockCode OpenExit = 50;
constexpr BlockCode UsedBonus = 51;
constexpr BlockCode HiddenBonus = 52;
constexpr BlockCode ExitFlash = 57;
constexpr BlockCode Border = 99;
// Added to the code of every cell the worm covers.
constexpr BlockCode WormBody = 100;
}  // namespace Blocks

// Block-sheet pictures that are not cell contents.
namespace BlockPictures {
constexpr BlockCode ExtraLife = 52;
constexpr BlockCode BreakingPads = 53;
constexpr BlockCode Shield = 54;
constexpr BlockCode OpenExits = 55;
constexpr BlockCode ShorterWorm = 56;
// The empty slot of the headline's bonus row.
constexpr BlockCode EmptyBonusSlot = Blocks::Darkness;
}  // namespace BlockPictures

// The class of a code, which decides how play and the editor treat it.
enum class BlockClass {
  Ground,
  Item,
  Food,
  Portal,
  Door,
  OneWay,
  HardWall,
  SoftWall,
  PlayOnly,  // open exit, used and hidden bonus, exit flash frame
  Border,
  WormBody,  // 100..255
  Unused,    // 49, 53..56, 58..98: passable, nothing happens
};

BlockClass ClassOf(BlockCode code);

// The only codes the ground layer holds: 0..8 and 40..42.
bool IsGroundCode(int code);
// Popcorn, Apple, Banana, Cake, Hamburger.
bool IsFoodCode(int code);
bool IsKeyCode(int code);
bool IsDoorCode(int code);
bool IsPortalCode(int code);
bool IsOneWayCode(int code);
bool IsHardWall(int code);
bool IsSoftWall(int code);
// A cell the worm covers holds its own code + 100.
bool IsWormBody(int code);

// Key colours: 0 yellow, 1 red, 2 purple.
constexpr int KeyColourCount = 3;
// The colour of a key or a door.
int KeyColour(BlockCode keyOrDoor);
constexpr std::array<BlockCode, KeyColourCount> KeyCodes{Blocks::YellowKey, Blocks::RedKey,
                                                         Blocks::PurpleKey};
constexpr std::array<BlockCode, KeyColourCount> DoorCodes{Blocks::YellowDoor, Blocks::RedDoor,
                                                          Blocks::PurpleDoor};
constexpr std::array<BlockCode, 3> PortalCodes{Blocks::WhitePortal, Blocks::GreenPortal,
                                               Blocks::BluePortal};

// The only direction in which a one-way block can be entered.
Direction OneWayDirection(BlockCode oneWay);

// The editor's name of a block ("Dirt", "Wormhole (Start)", ...); empty for
// the codes the editor does not place.
std::string_view BlockName(BlockCode code);

// Grounds in the order of the worm sheet's picture groups (24 pictures each).
constexpr int GroundGroupCount = 12;
constexpr std::array<BlockCode, GroundGroupCount> GroupGrounds{
    Blocks::Dirt,     Blocks::Water,    Blocks::Grass, Blocks::Ice,
    Blocks::Darkness, Blocks::Reverse,  Blocks::IncSpeed, Blocks::DecSpeed,
    Blocks::Lava,     Blocks::Sky,      Blocks::Sand,  Blocks::Floor};
constexpr int PicturesPerGroup = 24;
// The worm picture group offset of a ground (0, 24, ..., 264); -1 for any other code.
int GroundGroupOf(int code);
