#pragma once

#include <cstdint>

// The string of the program's string table with this id, or nullptr.
const char* LoadResourceString(int32_t id);
