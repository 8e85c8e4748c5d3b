#pragma once

#include <QImage>

// The empty cell: a pale hole with rings like a target.
QImage BullsEyePicture(int size);
