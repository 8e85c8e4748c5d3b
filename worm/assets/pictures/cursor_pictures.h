// The editor's four mouse cursors, 32 x 32, each with its hot spot at the
// point where it draws.
#pragma once

#include "picture_set.h"

std::vector<PictureFile> makeCursorFiles(const Palette& palette);
