#include "core/block_codes.h"
#include "core/set_track_cell.h"
#include "render_fixture.h"

#include <set>
#include <string>

namespace {

// Each class with every code it holds.
TEST(BlockCodes, EveryCodeHasItsClass) {
  const struct {
    BlockClass blockClass;
    std::set<int> codes;
  } classes[] = {
      {BlockClass::Ground, {0, 1, 2, 3, 4, 5, 6, 7, 8, 40, 41, 42}},
      {BlockClass::Item, {9, 10, 11, 12, 13, 14, 15, 21, 25, 39}},
      {BlockClass::Food, {16, 17, 18, 19, 20}},
      {BlockClass::Portal, {22, 23, 24}},
      {BlockClass::Door, {26, 27, 28}},
      {BlockClass::OneWay, {29, 30, 31, 32}},
      {BlockClass::HardWall, {33, 35, 37, 38, 43, 45}},
      {BlockClass::SoftWall, {34, 36, 44, 46, 47, 48}},
      {BlockClass::PlayOnly, {50, 51, 52, 57}},
      {BlockClass::Border, {99}},
  };
  for (int code = 0; code <= 255; ++code) {
    BlockClass expected = code >= 100 ? BlockClass::WormBody : BlockClass::Unused;
    for (const auto& c : classes)
      if (c.codes.contains(code)) expected = c.blockClass;
    EXPECT_EQ(ClassOf(static_cast<BlockCode>(code)), expected) << "code " << code;
  }
}

TEST(BlockCodes, PredicatesFollowTheClasses) {
  for (int code = 0; code <= 255; ++code) {
    const BlockClass c = ClassOf(static_cast<BlockCode>(code));
    SCOPED_TRACE(code);
    EXPECT_EQ(IsGroundCode(code), c == BlockClass::Ground);
    EXPECT_EQ(IsFoodCode(code), c == BlockClass::Food);
    EXPECT_EQ(IsDoorCode(code), c == BlockClass::Door);
    EXPECT_EQ(IsPortalCode(code), c == BlockClass::Portal);
    EXPECT_EQ(IsOneWayCode(code), c == BlockClass::OneWay);
    EXPECT_EQ(IsHardWall(code), c == BlockClass::HardWall);
    EXPECT_EQ(IsSoftWall(code), c == BlockClass::SoftWall);
    EXPECT_EQ(IsWormBody(code), code >= 100);
    EXPECT_EQ(IsKeyCode(code), code >= 11 && code <= 13);
  }
  for (int outside : {-1, 256}) EXPECT_FALSE(IsGroundCode(outside));
}

TEST(BlockCodes, KeysAndDoorsShareTheirColourAndOneWaysTheirDirection) {
  for (int colour = 0; colour < KeyColourCount; ++colour) {
    EXPECT_EQ(KeyColour(KeyCodes[colour]), colour);
    EXPECT_EQ(KeyColour(DoorCodes[colour]), colour);
  }
  EXPECT_EQ(OneWayDirection(Blocks::OnewayDown), 5);
  EXPECT_EQ(OneWayDirection(Blocks::OnewayLeft), 7);
  EXPECT_EQ(OneWayDirection(Blocks::OnewayUp), 1);
  EXPECT_EQ(OneWayDirection(Blocks::OnewayRight), 3);
}

TEST(BlockCodes, EditorNamesAndGroundGroups) {
  const std::pair<int, const char*> names[] = {
      {0, "Dirt"},          {8, "Dec Speed"},         {9, "Wormhole (Start)"},
      {21, "Mushroom (Fatal)"}, {29, "Down (Oneway)"}, {39, "Parking"},
      {42, "Floor"},        {48, "Fence (Soft)"},     {49, ""},
      {50, ""},             {99, ""},                 {120, ""}};
  for (const auto& [code, name] : names)
    EXPECT_EQ(std::string(BlockName(static_cast<BlockCode>(code))), name) << code;
  int named = 0;
  for (int code = 0; code <= 255; ++code) named += BlockName(static_cast<BlockCode>(code)).empty() ? 0 : 1;
  EXPECT_EQ(named, 49);  // the editor's blocks: 0..48

  const std::pair<int, int> groups[] = {{0, 0},    {1, 24},   {2, 48},  {3, 72},
                                        {5, 96},   {6, 120},  {7, 144}, {8, 168},
                                        {4, 192},  {40, 216}, {41, 240}, {42, 264},
                                        {9, -1},   {99, -1}};
  for (const auto& [code, group] : groups) EXPECT_EQ(GroundGroupOf(code), group) << code;
}

class SetTrackCellTest : public RenderFixture {};

TEST_F(SetTrackCellTest, DrawsTheCodeAndKeepsTheGroundUnderObjects) {
  form.Database.Tracks.resize(2);
  TrackRecord& track = form.Database.Tracks[1];
  track.Ground[GroundIndex(4, 6)] = Blocks::Grass;

  SetTrackCell(form, 1, 4, 6, Blocks::Apple);
  EXPECT_EQ(track.Blocks[BlockIndex(4, 6)], Blocks::Apple);
  EXPECT_EQ(track.Ground[GroundIndex(4, 6)], Blocks::Grass);
  EXPECT_TRUE(ShowsSheetCell(form.picPlayField.Screen().Image(), 48, 72, Blocks::Apple));

  SetTrackCell(form, 1, 4, 6, Blocks::Sand);
  EXPECT_EQ(track.Blocks[BlockIndex(4, 6)], Blocks::Sand);
  EXPECT_EQ(track.Ground[GroundIndex(4, 6)], Blocks::Sand);
  EXPECT_TRUE(ShowsSheetCell(form.picPlayField.Screen().Image(), 48, 72, Blocks::Sand));
  EXPECT_EQ(form.Database.Tracks[0], TrackRecord{});
}

}  // namespace
