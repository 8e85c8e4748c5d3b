#include "core/slide_headline.h"
#include "core/track_rules.h"
#include "play_fixture.h"

#include <set>

namespace {

// The rules on the play copy of an open track, the head moving from
// (10, 10) to (11, 10), to the right.
class TrackRulesTest : public PlayFixture {
 protected:
  TrackRulesTest() {
    PlayCopy() = OpenTrack();
    form.Play.Shield = 5;
    form.Play.Lives = 3;
    form.Play.Breaks = 5;
    worm.PrevHead = {10, 10};
    worm.Head = {11, 10};
    worm.WantedDirection = worm.MoveDirection = 3;
    SlideHeadline(form, PlayHeadline);
    platform.PlayedSounds.clear();
  }

  // The head enters `code` at (11, 10) from (10, 10) in direction `wanted`.
  void Enter(BlockCode code, Direction wanted = 3) {
    Put(PlayCopy(), 11, 10, code);
    worm.WantedDirection = wanted;
    worm.PrevHead = {10, 10};
    worm.Head = {11, 10};
    worm.RepeatMove = false;
    rules.EnterBlock(worm.Head);
  }

  bool Bounced() const { return worm.RepeatMove && worm.Head == CellPosition{10, 10}; }

  // Walls all around (10, 10) but the cells given.
  void BoxIn(std::initializer_list<CellPosition> open) {
    for (Direction d = 0; d < 8; ++d) {
      const CellPosition cell = StepPosition(d, {10, 10});
      Put(PlayCopy(), cell.X, cell.Y, Blocks::WallHard);
    }
    for (CellPosition cell : open) Put(PlayCopy(), cell.X, cell.Y, Blocks::Dirt);
  }

  WormState worm;
  TrackRules rules{form, worm};
};

TEST_F(TrackRulesTest, ObstaclesBounceAndPassableBlocksDoNot) {
  const struct {
    BlockCode code;
    Direction wanted;
    bool bounces;
  } cases[] = {
      {Blocks::WallHard, 3, true},     {Blocks::IronplateHard, 3, true},
      {Blocks::RockHard, 3, true},     {Blocks::FenceHard, 3, true},
      {Blocks::PoleHard, 3, true},     {Blocks::TreeHard, 3, true},
      {Blocks::Border, 3, true},       {Blocks::Dirt + Blocks::WormBody, 3, true},
      {Blocks::Apple + Blocks::WormBody, 3, true},
      {Blocks::YellowDoor, 3, true},   // no key
      {Blocks::OnewayRight, 3, false}, {Blocks::OnewayRight, 2, true},  // diagonal
      {Blocks::OnewayRight, 4, true},  {Blocks::OnewayLeft, 3, true},
      {Blocks::OnewayUp, 1, false},    {Blocks::OnewayDown, 5, false},
      {Blocks::WallSoft, 3, false},    {Blocks::TreeSoft, 3, false},
      {Blocks::UsedBonus, 3, false},   {49, 3, false}, {60, 3, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << int(c.code) << " wanted " << int(c.wanted));
    form.Play.Shield = 5;
    Enter(c.code, c.wanted);
    EXPECT_EQ(Bounced(), c.bounces);
    EXPECT_EQ(form.Play.Shield, c.bounces ? 4 : 5);
    EXPECT_FALSE(worm.Killed);
  }
}

TEST_F(TrackRulesTest, OneWayGoesByTheWantedDirectionEvenWhenSlidingOnIce) {
  worm.GroundGroup = 72;  // ice: the worm slides right while up is wanted
  Enter(Blocks::OnewayRight, 1);
  EXPECT_TRUE(Bounced());
  // On ice the new direction takes effect at once.
  EXPECT_EQ(worm.MoveDirection, worm.WantedDirection);
}

TEST_F(TrackRulesTest, SoftWallsBreakIntoTheirGroundWithSound29) {
  PutGround(PlayCopy(), 11, 10, Blocks::Sand);
  for (BlockCode soft : {Blocks::WallSoft, Blocks::IronplateSoft, Blocks::PoleSoft,
                         Blocks::TreeSoft, Blocks::RockSoft, Blocks::FenceSoft}) {
    platform.PlayedSounds.clear();
    Put(PlayCopy(), 11, 10, soft);
    rules.EnterBlock(worm.Head);
    EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Sand);
    EXPECT_EQ(Sounds(), std::vector<int>{29});
  }
}

TEST_F(TrackRulesTest, TwoKeysOpenTwoDoorsOfTheirColourOnly) {
  Enter(Blocks::RedKey);
  Enter(Blocks::RedKey);
  EXPECT_EQ(form.Play.Keys, (std::array<std::uint8_t, 3>{0, 2, 0}));
  EXPECT_EQ(form.lblKey[2].Caption(), "2");
  EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Dirt);

  Enter(Blocks::YellowDoor);
  EXPECT_TRUE(Bounced());
  for (int door = 0; door < 2; ++door) {
    platform.PlayedSounds.clear();
    Enter(Blocks::RedDoor);
    EXPECT_FALSE(Bounced());
    EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Dirt);
    EXPECT_EQ(Sounds(), std::vector<int>{3});
  }
  EXPECT_EQ(form.lblKey[2].Caption(), "0");
  Enter(Blocks::RedDoor);
  EXPECT_TRUE(Bounced());
  EXPECT_EQ(form.Play.Shield, 3);
}

TEST_F(TrackRulesTest, HitCostingExactlyTheShieldLeavesTheWormAliveUntilTheNextHit) {
  form.Play.Shield = 1;
  Enter(Blocks::WallHard);
  EXPECT_TRUE(Bounced());
  EXPECT_EQ(form.Play.Shield, 0);
  EXPECT_FALSE(worm.Killed);
  EXPECT_EQ(form.pgbShield.Value, 0);
  Enter(Blocks::Mushroom);
  EXPECT_TRUE(worm.Killed);

  worm.Killed = false;
  form.Play.Shield = 2;
  rules.Hit(false, 3, false);  // costs more than is left
  EXPECT_TRUE(worm.Killed);
  EXPECT_EQ(form.Play.Shield, 0);
}

TEST_F(TrackRulesTest, BounceWithNoWayOutKillsAndEmptiesTheShield) {
  BoxIn({{9, 10}});  // only the way back
  rules.Hit(true, 1, true);
  EXPECT_TRUE(worm.Killed);
  EXPECT_EQ(form.Play.Shield, 0);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(TrackRulesTest, BounceTakesAFreeDirectionAndLocksTheInput) {
  BoxIn({{9, 10}, {10, 11}});  // back, and down
  platform.ScriptRandom(0.99);  // the hit sound
  Enter(Blocks::WallHard);
  EXPECT_TRUE(Bounced());
  EXPECT_EQ(worm.WantedDirection, 5);
  EXPECT_EQ(worm.MoveDirection, 3);  // not on ice: the move takes the wanted direction
  EXPECT_TRUE(worm.InputLocked);
  EXPECT_EQ(Sounds(), std::vector<int>{17});
}

TEST_F(TrackRulesTest, FreeDirectionsFollowKeysAndOneWays) {
  BoxIn({});
  Put(PlayCopy(), 11, 9, Blocks::YellowDoor);   // direction 2
  Put(PlayCopy(), 10, 11, Blocks::OnewayDown);  // direction 5: passable
  Put(PlayCopy(), 9, 11, Blocks::OnewayDown);   // direction 6: not
  Put(PlayCopy(), 10, 9, Blocks::Parking);      // direction 1: not free
  EXPECT_EQ(rules.ChooseFreeDirection(3, {10, 10}), 5);
  form.Play.Keys[0] = 1;
  std::set<int> seen;
  for (int i = 0; i < 40; ++i) seen.insert(rules.ChooseFreeDirection(3, {10, 10}));
  EXPECT_EQ(seen, (std::set<int>{2, 5}));
}

TEST_F(TrackRulesTest, SpinnerBoxedInKeepsTheDirectionAndStays) {
  BoxIn({{9, 10}});
  worm.PrevHead = {9, 10};
  worm.Head = {10, 10};
  Put(PlayCopy(), 10, 10, Blocks::Spinner);
  worm.WantedDirection = 3;
  rules.EnterBlock(worm.Head);
  EXPECT_EQ(worm.WantedDirection, 3);
  EXPECT_FALSE(worm.InputLocked);
  EXPECT_EQ(CodeAt(PlayCopy(), 10, 10), Blocks::Spinner);
  EXPECT_EQ(Sounds(), std::vector<int>{27});

  Put(PlayCopy(), 10, 11, Blocks::Dirt);
  rules.EnterBlock(worm.Head);
  EXPECT_EQ(worm.WantedDirection, 5);
  EXPECT_TRUE(worm.InputLocked);
}

TEST_F(TrackRulesTest, WaterAndLavaCounters) {
  // Shield lost after each of 9 steps on the ground, and the sounds.
  const struct {
    BlockCode ground;
    bool scuba, shoes;
    std::vector<int> shieldLost;
    std::vector<int> sounds;
  } cases[] = {
      {Blocks::Water, false, false, {0, 0, 3, 3, 3, 6, 6, 6, 9}, {12, 12, 12}},
      {Blocks::Water, true, false, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {30}},
      {Blocks::Lava, false, false, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}},  // hit sounds
      {Blocks::Lava, false, true, {0, 0, 0, 0, 0, 0, 0, 1, 1}, {20}},
      {Blocks::Water, false, true, {0, 0, 3, 3, 3, 6, 6, 6, 9}, {12, 12, 12}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "ground " << int(c.ground) << " scuba " << c.scuba
                                    << " shoes " << c.shoes);
    worm = WormState{};
    form.Play.Shield = 10;
    form.Play.HasScuba = c.scuba;
    form.Play.HasLavashoes = c.shoes;
    PutGround(PlayCopy(), 11, 10, c.ground);
    platform.PlayedSounds.clear();
    std::vector<int> lost;
    for (int step = 0; step < 9; ++step) {
      rules.ApplyGround({11, 10});
      lost.push_back(10 - form.Play.Shield);
    }
    EXPECT_EQ(lost, c.shieldLost);
    std::vector<int> sounds;
    for (int s : Sounds())
      if (s < 14 || s > 17) sounds.push_back(s);
    EXPECT_EQ(sounds, c.sounds);
  }
}

TEST_F(TrackRulesTest, CountersRestartOnAnotherGroundAndLeavingWaterWithScubaSounds) {
  form.Play.Shield = 10;
  PutGround(PlayCopy(), 11, 10, Blocks::Water);
  PutGround(PlayCopy(), 12, 10, Blocks::Grass);
  for (int round = 0; round < 3; ++round) {
    rules.ApplyGround({11, 10});
    rules.ApplyGround({11, 10});
    rules.ApplyGround({12, 10});
  }
  EXPECT_EQ(form.Play.Shield, 10);
  EXPECT_EQ(worm.GroundGroup, 48);
  form.Play.HasScuba = true;
  rules.ApplyGround({11, 10});
  rules.ApplyGround({11, 10});
  rules.ApplyGround({12, 10});
  EXPECT_EQ(Sounds(), (std::vector<int>{30, 31}));
}

TEST_F(TrackRulesTest, PortalSendsTheHeadToAPartnerAndRepeatsTheMove) {
  Put(PlayCopy(), 30, 20, Blocks::GreenPortal);
  Put(PlayCopy(), 40, 5, Blocks::GreenPortal);
  Put(PlayCopy(), 5, 5, Blocks::BluePortal);
  std::set<std::pair<int, int>> exits;
  for (int i = 0; i < 30; ++i) {
    Enter(Blocks::GreenPortal);
    EXPECT_TRUE(worm.RepeatMove);
    exits.insert({worm.Head.X, worm.Head.Y});
  }
  EXPECT_EQ(exits, (std::set<std::pair<int, int>>{{30, 20}, {40, 5}}));
  EXPECT_EQ(Sounds().back(), 22);
}

TEST_F(TrackRulesTest, PortalWithoutPartnerIsPlainGround) {
  Enter(Blocks::WhitePortal);
  EXPECT_FALSE(worm.RepeatMove);
  EXPECT_EQ(worm.Head, (CellPosition{11, 10}));
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(TrackRulesTest, LastFoodOpensEveryExitAndGrowsTheWorm) {
  Put(PlayCopy(), 3, 3, Blocks::WormholeExit);
  Put(PlayCopy(), 40, 30, Blocks::WormholeExit);
  Put(PlayCopy(), 40, 31, Blocks::WormholeExit + Blocks::WormBody);
  worm.FoodLeft = 2;
  worm.LengthTarget = 498;
  Enter(Blocks::Hamburger);
  EXPECT_EQ(worm.LengthTarget, 500);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::WormholeExit);
  Enter(Blocks::Apple);
  EXPECT_EQ(worm.LengthTarget, 500);
  EXPECT_EQ(Sounds().back(), 25);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::OpenExit);
  EXPECT_EQ(CodeAt(PlayCopy(), 40, 30), Blocks::OpenExit);
  EXPECT_EQ(CodeAt(PlayCopy(), 40, 31), Blocks::OpenExit + Blocks::WormBody);
  EXPECT_TRUE(ShowsSheetCell(PlayFieldDc(form).Image(), 36, 36, Blocks::OpenExit));
  EXPECT_TRUE(worm.ExitFlashing);

  Enter(Blocks::OpenExit);
  EXPECT_TRUE(worm.Exiting);
  EXPECT_EQ(worm.Head, OffFieldCell);
}

TEST_F(TrackRulesTest, OpenExitWithFoodLeftIsPassedOver) {
  worm.FoodLeft = 1;
  Enter(Blocks::OpenExit);
  EXPECT_FALSE(worm.Exiting);
  worm.ExitTimed = true;
  Enter(Blocks::OpenExit);
  EXPECT_TRUE(worm.Exiting);
}

TEST_F(TrackRulesTest, PopcornScattersFiveItemsOnFreeGroundAndNeverOpensTheExits) {
  Put(PlayCopy(), 3, 3, Blocks::WormholeExit);
  worm.FoodLeft = 1;
  Enter(Blocks::Popcorn);
  int placed = 0, mushrooms = 0;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y) {
      const BlockCode code = CodeAt(PlayCopy(), x, y);
      if (code == Blocks::Mushroom || (IsFoodCode(code) && code != Blocks::Popcorn)) ++placed;
      if (code == Blocks::Mushroom) ++mushrooms;
    }
  EXPECT_EQ(placed, 5);
  EXPECT_EQ(worm.FoodLeft, 5 - mushrooms);
  EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Dirt);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::WormholeExit);
}

TEST_F(TrackRulesTest, PopcornWithNoFreeGroundPlacesNothingAndLeavesTheExitsClosed) {
  Fill(PlayCopy(), Blocks::WallHard);
  Put(PlayCopy(), 3, 3, Blocks::WormholeExit);
  worm.FoodLeft = 1;
  Enter(Blocks::Popcorn);
  EXPECT_EQ(worm.FoodLeft, 0);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::WormholeExit);
  EXPECT_EQ(CountFreeGround(PlayCopy()), 1);  // the eaten Popcorn's cell
}

TEST_F(TrackRulesTest, ScatterAndHiddenBonusesTakeOnlyFreeGroundWithAFreshDrawEachTry) {
  // Two free cells; the first tries land on a wall and on the worm.
  Fill(PlayCopy(), Blocks::WallHard);
  Put(PlayCopy(), 1, 1, Blocks::Grass);
  Put(PlayCopy(), 51, 35, Blocks::Sky);
  Put(PlayCopy(), 2, 1, Blocks::Dirt + Blocks::WormBody);
  for (double r : {0.5, 0.5, 1.5 / 51, 0.0, 0.0, 0.0, 0.0, 0.99, 0.99, 0.5})
    platform.ScriptRandom(r);
  EXPECT_EQ(rules.PlaceHiddenBonuses(50), 2);
  EXPECT_EQ(CodeAt(PlayCopy(), 1, 1), Blocks::HiddenBonus);
  EXPECT_EQ(CodeAt(PlayCopy(), 51, 35), Blocks::HiddenBonus);
  EXPECT_EQ(CodeAt(PlayCopy(), 2, 1), Blocks::Dirt + Blocks::WormBody);
  EXPECT_EQ(worm.HiddenBonusMap[GroundIndex(1, 1)], 1);   // draw 1 of 115: extra life
  EXPECT_EQ(worm.HiddenBonusMap[GroundIndex(51, 35)], 4);  // draw 58: shield
  // Hidden blocks are not drawn: the cell still shows its ground.
  EXPECT_FALSE(ShowsSheetCell(PlayFieldDc(form).Image(), 12, 12, Blocks::HiddenBonus));
}

TEST_F(TrackRulesTest, HiddenBonusesAndTheirCaps) {
  const struct {
    std::uint8_t kind;
    std::uint8_t lives, shield, breaks;  // before
    std::uint8_t livesAfter, shieldAfter, breaksAfter;
    int sound;
    BlockCode picture;
  } cases[] = {
      {1, 3, 5, 5, 4, 5, 5, 33, 52},  {1, 9, 5, 5, 9, 5, 5, 33, 52},
      {1, 10, 5, 5, 10, 5, 5, 33, 52},  // more than 9 from the settings stays
      {4, 3, 5, 5, 3, 7, 5, 1, 54},   {4, 3, 9, 5, 3, 10, 5, 1, 54},
      {5, 3, 5, 5, 3, 5, 8, 1, 53},   {5, 3, 5, 8, 3, 5, 10, 1, 53},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " lives " << int(c.lives));
    form.Play.Lives = c.lives;
    form.Play.Shield = c.shield;
    form.Play.Breaks = c.breaks;
    form.Play.BonusIconCount = 0;
    form.Play.HiddenBonusLeft = 2;
    worm.HiddenBonusMap[GroundIndex(11, 10)] = c.kind;
    platform.PlayedSounds.clear();
    Enter(Blocks::HiddenBonus);
    EXPECT_EQ(form.Play.Lives, c.livesAfter);
    EXPECT_EQ(form.Play.Shield, c.shieldAfter);
    EXPECT_EQ(form.Play.Breaks, c.breaksAfter);
    EXPECT_EQ(Sounds(), std::vector<int>{c.sound});
    EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::UsedBonus);
    EXPECT_EQ(form.Play.HiddenBonusLeft, 1);
    EXPECT_EQ(form.lblBonus.Caption(), "1");
    EXPECT_TRUE(ShowsSheetCell(HeadlineDc(form).Image(), 552, 18, c.picture));
  }
}

TEST_F(TrackRulesTest, ShorterWormAndOpenExitBonuses) {
  worm.LengthTarget = 4;
  worm.HiddenBonusMap[GroundIndex(11, 10)] = 3;
  Enter(Blocks::HiddenBonus);
  EXPECT_EQ(worm.ExtraTailCut, 1);
  worm.LengthTarget = 20;
  Enter(Blocks::HiddenBonus);
  EXPECT_EQ(worm.ExtraTailCut, 3);

  Put(PlayCopy(), 3, 3, Blocks::WormholeExit);
  worm.HiddenBonusMap[GroundIndex(11, 10)] = 2;
  worm.FoodLeft = 0;
  platform.PlayedSounds.clear();
  Enter(Blocks::HiddenBonus);
  EXPECT_EQ(Sounds(), std::vector<int>{1});
  EXPECT_FALSE(worm.ExitTimed);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::WormholeExit);
  worm.FoodLeft = 3;
  platform.PlayedSounds.clear();
  Enter(Blocks::HiddenBonus);
  EXPECT_EQ(Sounds(), std::vector<int>{25});
  EXPECT_TRUE(worm.ExitTimed && worm.ExitFlashing);
  EXPECT_EQ(CodeAt(PlayCopy(), 3, 3), Blocks::OpenExit);
}

TEST_F(TrackRulesTest, ItemsRevertToGroundAndShowInTheHeadline) {
  PutGround(PlayCopy(), 11, 10, Blocks::Floor);
  Enter(Blocks::ScubaGear);
  Enter(Blocks::Lavashoes);
  EXPECT_TRUE(form.Play.HasScuba && form.Play.HasLavashoes);
  EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Floor);
  EXPECT_TRUE(ShowsSheetCell(HeadlineDc(form).Image(), 161, 18, Blocks::ScubaGear));
  EXPECT_TRUE(ShowsSheetCell(HeadlineDc(form).Image(), 176, 18, Blocks::Lavashoes));
  EXPECT_EQ(Sounds(), (std::vector<int>{13, 13}));
  Enter(Blocks::Parking);
  EXPECT_TRUE(worm.Parked);
  EXPECT_EQ(CodeAt(PlayCopy(), 11, 10), Blocks::Floor);
}

}  // namespace
