#include <gtest/gtest.h>

#include <random>

#include "core/actor_cells.h"
#include "core/play_keys.h"
#include "play_fixture.h"

namespace {

constexpr int BotTicks = 2500;
constexpr std::uint8_t CursorKeys[] = {DIR_LEFT, DIR_RIGHT, DIR_UP, DIR_DOWN};

// Whether the actor's picture lies inside the maze and off its walls.
::testing::AssertionResult InCorridors(int index) {
  const Actor& actor = actorTable[index];
  Actor standing = actor;
  standing.dir = DIR_NONE;
  if (actor.x < 0 || actor.y < 0 || actor.x > MazePixelWidth - CellWidth ||
      actor.y > MazePixelHeight - CellHeight || BlockedAhead(standing, Walls)) {
    return ::testing::AssertionFailure()
           << "actor " << index << " at (" << actor.x << ", " << actor.y << ")";
  }
  return ::testing::AssertionSuccess();
}

class BotGameTest : public PlayTest {};

// A bot presses cursor keys at random moments on every shipped level; no
// actor may leave the corridors, whatever happens.
TEST_F(BotGameTest, NoActorLeavesTheMazeOnAnyShippedLevel) {
  ASSERT_TRUE(OpenShippedLevels());
  std::mt19937 bot(2024);
  for (int level = 0; level < gameLevelFile->levelCount; ++level) {
    gameState = GameState{};
    gameState.level = level;
    gameState.lives = 1000;
    ASSERT_EQ(LoadCurrentLevel(-1), 0);
    for (int tick = 0; tick < BotTicks; ++tick) {
      if (bot() % 12 == 0) SteerKey(gameState, CursorKeys[bot() % 4]);
      Tick();
      for (int index = 0; index < ActorCount; ++index) {
        if (IsActive(actorTable[index])) {
          ASSERT_TRUE(InCorridors(index)) << "level " << level << " tick " << tick;
        }
      }
      // The window builds the next level when a maze is cleared.
      if (gameState.running == 0) {
        ASSERT_EQ(LoadCurrentLevel(-1), 0);
      }
    }
    EXPECT_GT(gameState.score, 0) << "level " << level;
  }
}

}  // namespace
