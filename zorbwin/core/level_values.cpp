#include "core/level_values.h"

#include <algorithm>
#include <array>

#include "core/sprite_ids.h"

namespace {

constexpr int LevelColours = 6;

}  // namespace

std::int32_t LevelWallSprite(int level) {
  constexpr std::array<std::int32_t, LevelColours> walls{SpriteWallBlue,        SpriteWallPurpleRed,
                                                         SpriteWallGreen,       SpriteWallPurpleRed,
                                                         SpriteWallYellowBrown, SpriteWallRedWhite};
  return walls[level % LevelColours];
}

std::int32_t LevelFruitSprite(int level) { return SpriteFruit + 2 * (level % LevelColours); }

int LevelFruitLimit(int level) { return level <= 10 ? 1000 - 50 * level : 500; }

int LevelFrightenedTicks(int level) { return std::max(400 - 30 * level, 100); }

int LevelChaserSteps(int baseSteps, int level) { return baseSteps + level / 5; }

int LevelFrightenedSteps(int baseSteps, int level) { return std::min(level / 2 + 1, baseSteps); }
