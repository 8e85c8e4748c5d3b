#include "core/level_values.h"

#include <gtest/gtest.h>

#include "core/sprite_ids.h"

namespace {

TEST(LevelValuesTest, LaterLevelsAreHarder) {
  const struct {
    int level;
    int fruit, fruitLimit, frightened;
    int steps3, frightenedSteps3, frightenedSteps2;
  } cases[] = {
      // level, fruit, limit, frightened ticks, base 3 steps, frightened base 3 / base 2
      {0, 560, 1000, 400, 3, 1, 1}, {1, 562, 950, 370, 3, 1, 1},   {4, 568, 800, 280, 3, 3, 2},
      {5, 570, 750, 250, 4, 3, 2},  {6, 560, 700, 220, 4, 3, 2},   {10, 568, 500, 100, 5, 3, 2},
      {11, 570, 500, 100, 5, 3, 2}, {30, 560, 500, 100, 9, 3, 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LevelFruitSprite(c.level), c.fruit) << c.level;
    EXPECT_EQ(LevelFruitLimit(c.level), c.fruitLimit) << c.level;
    EXPECT_EQ(LevelFrightenedTicks(c.level), c.frightened) << c.level;
    EXPECT_EQ(LevelChaserSteps(3, c.level), c.steps3) << c.level;
    EXPECT_EQ(LevelFrightenedSteps(3, c.level), c.frightenedSteps3) << c.level;
    EXPECT_EQ(LevelFrightenedSteps(2, c.level), c.frightenedSteps2) << c.level;
  }
  EXPECT_EQ(LevelWallSprite(6), SpriteWallBlue);
  EXPECT_EQ(LevelWallSprite(9), SpriteWallPurpleRed);
}

}  // namespace
