#pragma once

#include <QImage>

#include "fractal_disk.h"

// Two disks, red behind blue, as the window's icon.
QImage WindowIcon(const DiskStyle& red, const DiskStyle& blue);
