#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>

// How a rectangle copy combines source and destination.
enum class RasterOp {
  Copy,       // destination = source
  And,        // destination = destination AND source
  Or,         // destination = destination OR source
  Xor,        // destination = destination XOR source
  NotCopy,    // destination = NOT source
  Blackness,  // destination = black, source ignored
};

// A font given in points, as pixels on a 96 dpi screen, drawn without
// smoothing so text keeps crisp pixel edges.
QFont MakeFont(const QString& family, double points, bool bold);

// An in-memory drawing surface of 32-bit pixels: the target and the source
// of every drawing operation of the game.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, QColor fill = Qt::black);

  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  QSize Size() const { return image_.size(); }
  const QImage& Image() const { return image_; }
  QRgb Pixel(int x, int y) const;

  // Replaces the contents (and size) with a picture.
  void Assign(const QImage& picture);
  // New size; the overlapping part is kept, the rest filled.
  void Resize(int width, int height, QColor fill);
  void Fill(QColor colour);

  // Copies the rectangle at (sourceX, sourceY) of source to (x, y); parts
  // outside either surface are left out. Source may be this surface.
  void BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
              int sourceY, RasterOp op);
  void FillRect(const QRect& rect, QColor colour);
  // A line whose pixels are XORed with colour, the end point left out, so
  // drawing it twice restores the surface.
  void XorLine(QPoint from, QPoint to, QColor colour);
  // A dotted rectangle (right and bottom edges exclusive) drawn by
  // inverting every other pixel of its outline; drawing it twice removes it.
  void InvertFocusRect(const QRect& rect);

  // Text with Font in ForeColor, its top left cell corner at (x, y); on
  // BackColor unless FontTransparent.
  void TextOut(int x, int y, const QString& text);
  QSize TextExtent(const QString& text) const;

  QFont Font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, false);
  QColor ForeColor = Qt::black;
  QColor BackColor = Qt::black;
  bool FontTransparent = true;

  // Grows with every change of any surface, so a viewer can tell that the
  // screen may have changed.
  static std::uint64_t ChangeCount() { return changeCount_; }

 private:
  void Changed() { ++changeCount_; }
  void InvertPixel(int x, int y, QRgb mask);

  QImage image_;
  static inline std::uint64_t changeCount_ = 0;
};
