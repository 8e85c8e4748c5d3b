#pragma once

#include "core/computer_player.h"
#include "core/enemy_map.h"
#include "core/home_map.h"
#include "core/map_view.h"
#include "core/random_source.h"

// How a round ended the game, if it did.
enum class GameEnd { None, YouWin, YouLose, BlockNonexistent };

// One game: the player's shots, the home map and the computer.
class Battle {
public:
    // Places the player's fleet (the Easy rule applies to it alone), then
    // the computer's.
    Battle(MapView& enemyView, MapView& homeView, bool easy, RandomSource& random);
    Battle(const Battle&) = delete;
    Battle& operator=(const Battle&) = delete;

    // The player's shot at a cell of the enemy map and the computer's
    // answer. A cell already fired at costs nothing.
    GameEnd PlayRound(int cell);

    EnemyMap Enemy;
    HomeMap Home;
    Class1 Computer;

private:
    MapView& enemyView_;
};
