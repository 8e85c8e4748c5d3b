#pragma once

#include <cstdint>

// The game's key code for a Qt key: the cursor keys renumbered, every other
// key as its virtual-key code; 0 for keys that have none.
int32_t VirtualKeyCode(int qtKey);
