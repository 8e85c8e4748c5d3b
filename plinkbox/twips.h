#pragma once

#include <QPoint>
#include <QRect>

// Window places are given in twips, 15 to a pixel.
constexpr int Px(int twips) { return twips / 15; }

constexpr QRect TwipsRect(int x, int y, int width, int height) {
  return QRect(Px(x), Px(y), Px(width), Px(height));
}

constexpr QPoint TwipsPoint(int x, int y) { return QPoint(Px(x), Px(y)); }
