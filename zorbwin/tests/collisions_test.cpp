#include "core/collisions.h"

#include <gtest/gtest.h>

#include "core/actor_table.h"

namespace {

Actor At(int x, int y) {
  Actor actor;
  actor.x = x;
  actor.y = y;
  actor.insetLeft = actor.insetBottom = actor.insetRight = actor.insetTop = 3;
  return actor;
}

// The player's box is (103, 103) to (117, 117).
TEST(CollisionsTest, BoxesMeetWhenABottomLeftCornerLiesInTheOtherBox) {
  const Actor player = At(100, 100);
  const struct {
    int x, y;
    bool collide;
  } cases[] = {
      {100, 100, true},   // same place
      {114, 100, true},   // left edge on the player's right edge
      {115, 100, false},  // one pixel further
      {100, 86, true},    // top edge on the player's bottom edge
      {112, 112, true},   // up and right: its corner inside
      {88, 88, true},     // down and left: the player's corner inside
      {112, 88, false},   // down and right: the boxes overlap, no corner inside
      {88, 112, false},   // up and left: the same
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BoxesCollide(player, At(c.x, c.y)), c.collide) << c.x << "," << c.y;
    EXPECT_EQ(BoxesCollide(At(c.x, c.y), player), c.collide) << c.x << "," << c.y;
  }
}

TEST(CollisionsTest, NarrowerInsetWidensTheBox) {
  Actor chaser = At(100, 83);  // box from y = 86 to 100 with a bottom inset of 3
  EXPECT_FALSE(BoxesCollide(At(100, 100), chaser));
  chaser.insetTop = 0;  // now up to y = 103
  EXPECT_TRUE(BoxesCollide(At(100, 100), chaser));
}

}  // namespace
