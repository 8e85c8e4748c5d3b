#pragma once

#include "window/map_window.h"

// Form2, "Map of Home Base": the player's fleet and the computer's shots.
class Form2 : public MapWindow {
    Q_OBJECT

public:
    Form2();

    // Keeps the window at the top, right of the given one, whose frame
    // should be known by then.
    void PlaceBeside(MapWindow& left);
};
