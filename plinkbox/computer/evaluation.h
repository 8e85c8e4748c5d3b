#pragma once

#include "position.h"

// How good a position looks to the side to move, without looking ahead: every
// line of four cells that only one side occupies counts for that side, the
// more so the more disks it holds, and disks in the middle column count extra.
int Evaluate(const Position& position);

// The plain evaluation, and on top the free cells where a disk would make
// four: those on the rows the side will fill when the board runs full (red
// the first, third, fifth and seventh row, blue the others) count more.
int EvaluateThreats(const Position& position);

// An evaluation, as a search uses it.
using Evaluation = int (*)(const Position& position);
