#include "core/computer_player.h"

#include "core/ship_placement.h"

namespace {

// Probe -1 to -4 tries up, right, down and left around the first hit;
// 0 to 3 goes on in that heading after a second hit.
Heading ProbeHeading(int probe)
{
    return static_cast<Heading>(probe < 0 ? -probe - 1 : probe);
}

// Up turns into down and right into left.
int Reversed(int probe)
{
    return probe + 2;
}

} // namespace

Class1::Class1(HomeMap& home, RandomSource& random)
    : home_(home)
    , random_(random)
{
    for (int length : FleetLengths)
        PlaceEnemyShip(length);
}

void Class1::PlaceEnemyShip(int length)
{
    PlaceShip(ShipCells, length, false, random_);
}

bool Class1::CheckCmp(int cell) const
{
    return ShipCells[cell];
}

void Class1::StartTurn()
{
    if (Hunting && FollowHit())
        return;
    if (RevisitPending && RevisitHits())
        return;
    FireAtRandom();
}

// A fresh cell is always left: the fifteenth hit ends the game by the
// hundredth shot at the latest.
void Class1::FireAtRandom()
{
    random_.Reseed();
    int cell = DrawCell(random_);
    while (ShotCells[cell])
        cell = DrawCell(random_);
    if (FireAt(cell))
        StartFollowing(cell);
}

bool Class1::FireAt(int cell)
{
    ShotCells[cell] = true;
    if (!home_.CheckPlr(cell))
        return false;
    ++Hits;
    HitCells[cell] = true;
    return true;
}

void Class1::StartFollowing(int cell)
{
    Hunting = true;
    LastHit = cell;
    Probe = -1;
}

Class1::Step Class1::TryHeading(Heading heading)
{
    const bool last = heading == Heading::Left;
    const int cell = Neighbour(LastHit, heading);
    if (cell < 0 || ShotCells[cell]) {
        if (last)
            return Step::GiveUp;
        --Probe;
        return Step::GoOn;
    }
    if (FireAt(cell)) {
        LastHit = cell;
        Probe = static_cast<int>(heading);
        return Step::Fired;
    }
    if (last)
        return Step::FiredAndGiveUp;
    --Probe;
    return Step::Fired;
}

Class1::Step Class1::GoOnHeading(Heading heading)
{
    const int cell = Neighbour(LastHit, heading);
    if (cell < 0 || ShotCells[cell]) {
        Probe = Reversed(Probe);
        return Step::GoOn;
    }
    if (FireAt(cell))
        LastHit = cell;
    return Step::Fired;
}

Class1::Step Class1::WalkBack(Heading heading)
{
    const int cell = Neighbour(LastHit, heading);
    if (cell < 0)
        return Step::GiveUp;
    if (!ShotCells[cell]) {
        if (FireAt(cell))
            LastHit = cell;
        return Step::Fired;
    }
    if (!HitCells[cell])
        return Step::GiveUp;
    LastHit = cell;
    return Step::GoOn;
}

bool Class1::FollowHit()
{
    Step step = Step::GoOn;
    while (step == Step::GoOn) {
        const Heading heading = ProbeHeading(Probe);
        if (Probe < 0)
            step = TryHeading(heading);
        else if (heading == Heading::Up || heading == Heading::Right)
            step = GoOnHeading(heading);
        else
            step = WalkBack(heading);
    }
    RevisitPending = true;
    if (step == Step::GiveUp || step == Step::FiredAndGiveUp)
        Hunting = false;
    return step != Step::GiveUp;
}

bool Class1::RevisitHits()
{
    constexpr Heading order[] = {Heading::Up, Heading::Right, Heading::Down, Heading::Left};
    for (int cell = 0; cell < CellCount - 1; ++cell) {
        if (!HitCells[cell] || DoneCells[cell])
            continue;
        for (Heading heading : order) {
            const int next = Neighbour(cell, heading);
            if (next < 0 || ShotCells[next])
                continue;
            if (FireAt(next))
                StartFollowing(next);
            return true;
        }
        DoneCells[cell] = true;
    }
    RevisitPending = false;
    Hunting = false;
    return false;
}

bool Class1::CheckDone(EnemyMap& enemy)
{
    if (Hits != FleetCells)
        return false;
    for (int cell = 0; cell < CellCount; ++cell) {
        if (ShipCells[cell] && !enemy.ShotCells[cell])
            enemy.AddShip(cell);
    }
    Clear();
    return true;
}

void Class1::Clear()
{
    ShipCells = ShotCells = HitCells = DoneCells = CellFlags{};
    Hunting = RevisitPending = false;
    LastHit = Probe = Hits = 0;
}
