#pragma once

#include "core/direction.h"
#include "core/joy_state.h"
#include "core/keypad_state.h"

// One sample of keypad and stick turned into the worm's wanted direction.
// Returns true when a direction was given (wanted then holds it); without
// direction input wanted stays as it was.
bool ApplyDirectionInput(const KeypadState& keys, const StickState& stick, Direction& wanted);
