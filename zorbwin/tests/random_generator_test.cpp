#include "core/random_generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(RandomGeneratorTest, LinearCongruentialSequenceWrapsAt32Bits) {
  SeedRandom(0);
  std::vector<int> values;
  for (int draw = 0; draw < 4; ++draw) values.push_back(NextRandom());
  EXPECT_EQ(values, (std::vector<int>{0, 346, 130, 10982}));
  SeedRandom(0xFFFFFFFFu);  // 4294967295 x 22695477 + 1 wraps to 4272271820
  EXPECT_EQ(NextRandom(), 32421);
}

}  // namespace
