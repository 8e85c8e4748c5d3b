#pragma once

#include <cstdint>

class frmWorm;

// The row of bonus pictures in the play headline: five slots at
// x = 552, 565, 578, 591, 604 (y 18), the oldest picture in slot 0; its
// count and timer are in form.Play.

// Puts block picture `code` into the next slot; a full row drops its oldest
// picture first and restarts the timer.
void AddBonusIcon(frmWorm& form, std::uint8_t code);

// Removes the oldest picture with sound 23: the others move one slot left
// and the last slot shows the empty-slot picture.
void DropBonusIcon(frmWorm& form);
