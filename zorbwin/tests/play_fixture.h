#pragma once

#include <gtest/gtest.h>

#include <QFileInfo>
#include <string>
#include <vector>

#include "core/actor_table.h"
#include "core/game_state.h"
#include "core/game_surfaces.h"
#include "core/game_tick.h"
#include "core/level_file.h"
#include "core/level_setup.h"
#include "core/maze.h"
#include "core/random_generator.h"
#include "core/surface.h"

// A maze with the chasers' house in its middle, the player's row below it
// and a power dot in each corner.
inline const std::vector<std::string> HouseMaze = {
    "1111111111111111111",  //
    "1 ............... 1",  //
    "1.111.1111111.111.1",  //
    "1.................1",  //
    "1.111.1111111.111.1",  //
    "1.................1",  //
    "1.111.........111.1",  //
    "1.111.1114111.111.1",  //
    "1.....1232221.....1",  //
    "1.111.1222221.111.1",  //
    "1.111.1222221.111.1",  //
    "1.111.1111111.111.1",  //
    "1........ ........1",  //
    "1.111.1111111.111.1",  //
    "1.................1",  //
    "1.111.1111111.111.1",  //
    "1.................1",  //
    "1 ............... 1",  //
    "1111111111111111111",  //
};

// Game state, actor table, maze and surfaces ready for ticks driven by the
// test; no thread and no real time.
class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSurfaces();
    ASSERT_EQ(CreateGameSurfaces(-1), 0);
    gameState = GameState{};
    actorTable = StartingActorTable();
    SeedRandom(1);
  }
  void TearDown() override {
    gameLevelFile.reset();
    ReleaseGameSurfaces();
    ClearSurfaces();
    gameState = GameState{};
  }

  // Puts rows (top row first) into the game's maze and sets the level up.
  static void UseMaze(const std::vector<std::string>& rows) {
    for (int row = 0; row < MazeRows; ++row)
      for (int column = 0; column < MazeColumns; ++column)
        SetCell(gameMaze, column, row, rows[row][column]);
    gameState.lives = 3;
    SetUpLevel();
  }

  // Opens the shipped level file; false when it cannot be read.
  static bool OpenShippedLevels() {
    QFileInfo shipped(ZORBWIN_LEVEL_FILE_PATH);
    gameLevelFile = OpenLevelFile(shipped.fileName(), {shipped.path()});
    return gameLevelFile != nullptr;
  }

  static void Tick() {
    GameTick([](int) {});
  }

  // The reset and waiting ticks, then a cursor key starts play.
  static void StartPlay(std::uint8_t dir) {
    Tick();
    gameState.requestedDir = dir;
    Tick();
  }

  // Leaves only the given actors active.
  static void OnlyActive(std::initializer_list<int> actors) {
    for (Actor& actor : actorTable) SetActive(actor, false);
    for (int actor : actors) SetActive(actorTable[actor], true);
  }
};
