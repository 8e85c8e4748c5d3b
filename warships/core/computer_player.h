#pragma once

#include "core/cell_index.h"
#include "core/enemy_map.h"
#include "core/home_map.h"
#include "core/random_source.h"

// The computer player: its fleet and its way of shooting at the home map.
class Class1 {
public:
    // Class_Initialize: places the computer's fleet.
    Class1(HomeMap& home, RandomSource& random);

    void PlaceEnemyShip(int length);
    // Is there a computer ship at the cell (a cell of the map).
    bool CheckCmp(int cell) const;
    // The computer's shot.
    void StartTurn();
    // Follows the line around LastHit; tells whether it fired.
    bool FollowHit();
    // Takes up old hits with untried neighbours; tells whether it fired.
    bool RevisitHits();
    // At 15 hits: reveals the ships the player has not found, clears the
    // computer's state and returns true.
    bool CheckDone(EnemyMap& enemy);

    CellFlags ShipCells{};
    CellFlags ShotCells{};
    CellFlags HitCells{};
    CellFlags DoneCells{};
    bool Hunting = false;
    int LastHit = 0;
    int Probe = 0;
    bool RevisitPending = false;
    int Hits = 0;

private:
    // Marks the cell as fired, lets it land and counts a hit.
    bool FireAt(int cell);
    // After a fresh hit: follow the line from that cell.
    void StartFollowing(int cell);
    void FireAtRandom();
    void Clear();
    // One step of FollowHit's state machine.
    enum class Step { Fired, GoOn, GiveUp, FiredAndGiveUp };
    Step TryHeading(Heading heading);
    Step GoOnHeading(Heading heading);
    Step WalkBack(Heading heading);

    HomeMap& home_;
    RandomSource& random_;
};
