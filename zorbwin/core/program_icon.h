#pragma once

#include <QImage>

// The program's 32 x 32 icon: the yellow eater after a dot, a chaser behind.
QImage ProgramIcon();
