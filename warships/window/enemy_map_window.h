#pragma once

#include "core/battle.h"
#include "window/map_window.h"

// Form1, "Map of Enemy Territory": the player shoots by clicking its cells.
class Form1 : public MapWindow {
    Q_OBJECT

public:
    Form1();

    // The game the clicks play; until it is set a click does nothing.
    void SetBattle(Battle* battle);

public slots:
    void Image1_Click(int index);

private:
    void ShowEnd(GameEnd end);

    Battle* battle_ = nullptr;
};
