#include "core/enemy_map.h"

EnemyMap::EnemyMap(MapView& view)
    : view_(view)
{
}

void EnemyMap::MarkShot(bool hit, int cell)
{
    view_.PrintCell(cell, hit ? HitMark() : MissMark());
}

void EnemyMap::AddShip(int cell)
{
    view_.PrintCell(cell, RevealMark());
}
