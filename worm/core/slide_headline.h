#pragma once

#include <cstdint>

class frmWorm;
class Surface;

constexpr std::uint8_t PlayHeadline = 1;
constexpr std::uint8_t EditorHeadline = 0;

// Slides a headline out when one is shown, else slides headline `which`
// (1 the play headline, any other the editor headline) in above the
// playfield; 46 steps of 12 ms either way.
void SlideHeadline(frmWorm& form, std::uint8_t which);

// The headline's device context; taken from picHeadline when no headline
// has taken it yet.
Surface& HeadlineDc(frmWorm& form);
