#pragma once

#include <cstdint>

// Shows string stringId of the string table, formatted with text and then
// number, in a message box over the slot's window. The type letter chooses
// caption, sound and buttons: "C" a question with OK and Cancel, "E" an
// error, "I" an information, "W" a warning. True when OK was pressed.
bool MessageBoxById(int slot, int32_t stringId, const char* text, int number, char type);
