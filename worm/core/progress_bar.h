#pragma once

#include <QRect>

class PictureBox;

// A horizontal progress bar; it stands inside a picture box (Container) or,
// without one, on the game window.
struct ProgressBar {
  QRect Rect() const { return {Left, Top, Width, Height}; }
  // The part of the inner width that Value fills, 0..1.
  double Fraction() const;

  PictureBox* Container = nullptr;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  int Min = 0;
  int Max = 100;
  int Value = 0;
};
