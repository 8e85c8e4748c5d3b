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
    // The other map, which the end of the game leaves in sight.
    void SetHomeMap(const QWidget* homeMap);

public slots:
    void Image1_Click(int index);

private:
    void ShowEnd(GameEnd end);
    // An end message placed clear of both maps.
    void ShowEndMessage(const QString& title, const QString& text);

    Battle* battle_ = nullptr;
    const QWidget* homeMap_ = nullptr;
};
