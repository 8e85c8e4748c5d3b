#pragma once

#include <random>

#include "position.h"

// One of the columns that hold a cell of the set, each as likely; the set must not be empty.
int RandomColumn(Bits cells, std::mt19937& random);
