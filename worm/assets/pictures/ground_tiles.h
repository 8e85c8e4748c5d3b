// The twelve grounds of a track as 12 x 12 tiles, drawn from small rules.
#pragma once

#include "palette.h"

#include "core/block_codes.h"

#include <QImage>

constexpr int CellSize = 12;

QImage groundTile(int code, const Palette& palette);
