#pragma once

#include "core/surface.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// A picture control of the game window: a screen surface the window shows
// at its position while it is visible, and a kept picture from which a
// refresh repaints the screen. Drawing goes to the screen, or to the kept
// picture while AutoRedraw is set.
class PictureBox {
 public:
  PictureBox(int left, int top, int width, int height);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return screen_.Width(); }
  int Height() const { return screen_.Height(); }
  QRect Rect() const { return {left_, top_, Width(), Height()}; }
  bool Visible() const { return visible_; }

  void Move(int left, int top, int width, int height);
  void SetLeft(int left) { left_ = left; }
  void SetTop(int top) { top_ = top; }
  // A box that becomes visible is repainted from its kept picture.
  void SetVisible(bool visible);

  // The surface drawing goes to (the device context), carrying the box's
  // font and colours.
  Surface& Dc();
  Surface& Screen() { return screen_; }
  const Surface& Screen() const { return screen_; }
  Surface& Kept() { return kept_; }
  const Surface& Kept() const { return kept_; }

  // Loads a picture file as the kept picture and shows it; false (and
  // nothing changed) when the file cannot be read as a picture.
  bool LoadPicture(const QString& path);
  void SetPicture(const QImage& picture);
  // Drops the kept picture: the box shows its back colour.
  void ClearPicture();
  // The screen as it is now becomes the kept picture.
  void KeepScreen();
  // Repaints the screen from the kept picture.
  void Refresh();

  bool AutoRedraw = false;
  // Loading a picture gives the box the picture's size.
  bool AutoSize = false;
  QColor BackColor = Qt::black;
  // Text drawing of the device context.
  QFont Font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, false);
  QColor ForeColor = Qt::black;
  bool FontTransparent = true;

 private:
  int left_;
  int top_;
  bool visible_ = true;
  Surface screen_;
  Surface kept_;
};
