#include "core/block_codes.h"

#include <algorithm>

namespace {

struct BlockEntry {
  BlockCode code;
  std::string_view name;
  BlockClass blockClass;
};

// Every code with a name or a class of its own; the rest are unused.
constexpr BlockEntry Catalogue[] = {
    {Blocks::Dirt, "Dirt", BlockClass::Ground},
    {Blocks::Water, "Water", BlockClass::Ground},
    {Blocks::Grass, "Grass", BlockClass::Ground},
    {Blocks::Ice, "Ice", BlockClass::Ground},
    {Blocks::Lava, "Lava", BlockClass::Ground},
    {Blocks::Darkness, "Darkness", BlockClass::Ground},
    {Blocks::Reverse, "Reverse", BlockClass::Ground},
    {Blocks::IncSpeed, "Inc Speed", BlockClass::Ground},
    {Blocks::DecSpeed, "Dec Speed", BlockClass::Ground},
    {Blocks::WormholeStart, "Wormhole (Start)", BlockClass::Item},
    {Blocks::WormholeExit, "Wormhole (Exit)", BlockClass::Item},
    {Blocks::YellowKey, "Yellow Key", BlockClass::Item},
    {Blocks::RedKey, "Red Key", BlockClass::Item},
    {Blocks::PurpleKey, "Purple Key", BlockClass::Item},
    {Blocks::ScubaGear, "Scuba Gear", BlockClass::Item},
    {Blocks::Lavashoes, "Lavashoes", BlockClass::Item},
    {Blocks::Popcorn, "Popcorn", BlockClass::Food},
    {Blocks::Apple, "Apple", BlockClass::Food},
    {Blocks::Banana, "Banana", BlockClass::Food},
    {Blocks::Cake, "Cake", BlockClass::Food},
    {Blocks::Hamburger, "Hamburger", BlockClass::Food},
    {Blocks::Mushroom, "Mushroom (Fatal)", BlockClass::Item},
    {Blocks::WhitePortal, "White Portal", BlockClass::Portal},
    {Blocks::GreenPortal, "Green Portal", BlockClass::Portal},
    {Blocks::BluePortal, "Blue Portal", BlockClass::Portal},
    {Blocks::Spinner, "Spinner", BlockClass::Item},
    {Blocks::YellowDoor, "Yellow Door", BlockClass::Door},
    {Blocks::RedDoor, "Red Door", BlockClass::Door},
    {Blocks::PurpleDoor, "Purple Door", BlockClass::Door},
    {Blocks::OnewayDown, "Down (Oneway)", BlockClass::OneWay},
    {Blocks::OnewayLeft, "Left (Oneway)", BlockClass::OneWay},
    {Blocks::OnewayUp, "Up (Oneway)", BlockClass::OneWay},
    {Blocks::OnewayRight, "Right (Oneway)", BlockClass::OneWay},
    {Blocks::WallHard, "Wall (Hard)", BlockClass::HardWall},
    {Blocks::WallSoft, "Wall (Soft)", BlockClass::SoftWall},
    {Blocks::IronplateHard, "Ironplate (Hard)", BlockClass::HardWall},
    {Blocks::IronplateSoft, "Ironplate (Soft)", BlockClass::SoftWall},
    {Blocks::RockHard, "Rock (Hard)", BlockClass::HardWall},
    {Blocks::FenceHard, "Fence (Hard)", BlockClass::HardWall},
    {Blocks::Parking, "Parking", BlockClass::Item},
    {Blocks::Sky, "Sky", BlockClass::Ground},
    {Blocks::Sand, "Sand", BlockClass::Ground},
    {Blocks::Floor, "Floor", BlockClass::Ground},
    {Blocks::PoleHard, "Pole (Hard)", BlockClass::HardWall},
    {Blocks::PoleSoft, "Pole (Soft)", BlockClass::SoftWall},
    {Blocks::TreeHard, "Tree (Hard)", BlockClass::HardWall},
    {Blocks::TreeSoft, "Tree (Soft)", BlockClass::SoftWall},
    {Blocks::RockSoft, "Rock (Soft)", BlockClass::SoftWall},
    {Blocks::FenceSoft, "Fence (Soft)", BlockClass::SoftWall},
    {Blocks::OpenExit, "", BlockClass::PlayOnly},
    {Blocks::UsedBonus, "", BlockClass::PlayOnly},
    {Blocks::HiddenBonus, "", BlockClass::PlayOnly},
    {Blocks::ExitFlash, "", BlockClass::PlayOnly},
    {Blocks::Border, "", BlockClass::Border},
};

// The class of every code below the worm body, looked up once.
constexpr std::array<BlockClass, Blocks::WormBody> Classes = [] {
  std::array<BlockClass, Blocks::WormBody> classes{};
  classes.fill(BlockClass::Unused);
  for (const BlockEntry& entry : Catalogue) classes[entry.code] = entry.blockClass;
  return classes;
}();

const BlockEntry* Find(BlockCode code) {
  const auto entry = std::find_if(std::begin(Catalogue), std::end(Catalogue),
                                  [code](const BlockEntry& e) { return e.code == code; });
  return entry == std::end(Catalogue) ? nullptr : entry;
}

bool IsClass(int code, BlockClass blockClass) {
  return code >= 0 && code <= 255 && ClassOf(static_cast<BlockCode>(code)) == blockClass;
}

}  // namespace

BlockClass ClassOf(BlockCode code) {
  return code >= Blocks::WormBody ? BlockClass::WormBody : Classes[code];
}

bool IsGroundCode(int code) { return IsClass(code, BlockClass::Ground); }
bool IsFoodCode(int code) { return IsClass(code, BlockClass::Food); }
bool IsDoorCode(int code) { return IsClass(code, BlockClass::Door); }
bool IsPortalCode(int code) { return IsClass(code, BlockClass::Portal); }
bool IsOneWayCode(int code) { return IsClass(code, BlockClass::OneWay); }
bool IsHardWall(int code) { return IsClass(code, BlockClass::HardWall); }
bool IsSoftWall(int code) { return IsClass(code, BlockClass::SoftWall); }
bool IsWormBody(int code) { return code >= Blocks::WormBody && code <= 255; }

bool IsKeyCode(int code) { return code >= Blocks::YellowKey && code <= Blocks::PurpleKey; }

int KeyColour(BlockCode keyOrDoor) {
  return IsDoorCode(keyOrDoor) ? keyOrDoor - Blocks::YellowDoor : keyOrDoor - Blocks::YellowKey;
}

Direction OneWayDirection(BlockCode oneWay) {
  switch (oneWay) {
    case Blocks::OnewayDown: return 5;
    case Blocks::OnewayLeft: return 7;
    case Blocks::OnewayUp: return 1;
    default: return 3;
  }
}

std::string_view BlockName(BlockCode code) {
  const BlockEntry* entry = Find(code);
  return entry ? entry->name : std::string_view{};
}

int GroundGroupOf(int code) {
  const auto ground = std::find(GroupGrounds.begin(), GroupGrounds.end(), code);
  if (ground == GroupGrounds.end()) return -1;
  return static_cast<int>(ground - GroupGrounds.begin()) * PicturesPerGroup;
}
