#pragma once

#include <mutex>

// The lock shared by the two threads: the game thread holds it for each tick,
// the window thread for each change it makes to the game and while it shows
// the window surface.
std::mutex& GameMutex();
