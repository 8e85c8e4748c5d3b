#pragma once

#include <QImage>

// A golden arrow pointing down with its column number on the shaft.
QImage ArrowPicture(int number);
