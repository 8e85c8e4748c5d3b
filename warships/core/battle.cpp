#include "core/battle.h"

#include "core/ship_placement.h"

namespace {

HomeMap PlacedHomeMap(MapView& view, bool easy, RandomSource& random)
{
    HomeMap home(view);
    home.Easy = easy;
    home.PlaceFleet(random);
    return home;
}

} // namespace

Battle::Battle(MapView& enemyView, MapView& homeView, bool easy, RandomSource& random)
    : Enemy(enemyView)
    , Home(PlacedHomeMap(homeView, easy, random))
    , Computer(Home, random)
    , enemyView_(enemyView)
{
}

GameEnd Battle::PlayRound(int cell)
{
    if (!IsCell(cell))
        return GameEnd::BlockNonexistent;
    if (Enemy.ShotCells[cell])
        return GameEnd::None;

    const bool hit = Computer.CheckCmp(cell);
    if (hit)
        ++Enemy.Hits;
    Enemy.MarkShot(hit, cell);
    if (hit)
        enemyView_.Beep();
    Enemy.ShotCells[cell] = true;

    Computer.StartTurn();
    if (Home.BlockNonexistent)
        return GameEnd::BlockNonexistent;
    if (Computer.CheckDone(Enemy))
        return GameEnd::YouLose;
    return Enemy.Hits == FleetCells ? GameEnd::YouWin : GameEnd::None;
}
