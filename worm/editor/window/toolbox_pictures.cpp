#include "editor/window/toolbox_pictures.h"

#include "core/block_codes.h"
#include "editor/toolbar_buttons.h"

#include <QPainter>

#include <array>

namespace {

constexpr int Cell = 12;

// The tools' and commands' icons, 12 x 12 each: '.' clear, letters from
// the palette below.
constexpr std::array<std::array<const char*, 12>, 11> IconArt = {{
    {},
    {// Pen
     "..........KK", ".........KYK", "........KYYK", ".......KYYK.", "......KYYK..",
     ".....KYYK...", "....KYYK....", "...KYYK.....", "..KWYK......", "..KWK.......",
     ".KKK........", ".K.........."},
    {// Filled rectangle
     "............", "KKKKKKKKKKKK", "KBBBBBBBBBBK", "KBBBBBBBBBBK", "KBBBBBBBBBBK",
     "KBBBBBBBBBBK", "KBBBBBBBBBBK", "KBBBBBBBBBBK", "KBBBBBBBBBBK", "KKKKKKKKKKKK",
     "............", "............"},
    {// Hollow rectangle
     "............", "KKKKKKKKKKKK", "K..........K", "K..........K", "K..........K",
     "K..........K", "K..........K", "K..........K", "K..........K", "KKKKKKKKKKKK",
     "............", "............"},
    {// Line
     "..........KK", ".........KK.", "........KK..", ".......KK...", "......KK....",
     ".....KK.....", "....KK......", "...KK.......", "..KK........", ".KK.........",
     "KK..........", "K..........."},
    {// Fill area
     "....KK......", "...K..K.....", "..K.WW.K....", ".K.WWWW.K...", "K.WWWWWW.K..",
     ".K.WWWW.KBB.", "..K.WW.K.BB.", "...K..K..BB.", "....KK...BB.", ".........BB.",
     "..........B.", "............"},
    {// Undo
     "............", "...K........", "..KK........", ".KGKKKKKK...", "KGGGGGGGGK..",
     ".KGKKKKKGGK.", "..KK....KGK.", "...K.....KGK", ".........KGK", "........KGK.",
     "......KKGK..", "......KKK..."},
    {// Redo
     "............", "........K...", "........KK..", "...KKKKKKGK.", "..KGGGGGGGGK",
     ".KGGKKKKKGK.", ".KGK....KK..", "KGK.....K...", "KGK.........", ".KGK........",
     "..KGKK......", "...KKK......"},
    {// Information
     "....KKKK....", "..KKBBBBKK..", ".KBBBWWBBBK.", ".KBBBWWBBBK.", "KBBBBBBBBBBK",
     "KBBBWWWBBBBK", "KBBBBWWBBBBK", "KBBBBWWBBBBK", ".KBBBWWBBBK.", ".KBBWWWWBBK.",
     "..KKBBBBKK..", "....KKKK...."},
    {// Erase
     "............", "......KKKKK.", ".....KRRRRK.", "....KRRRRKK.", "...KRRRRKWK.",
     "..KRRRRKWWK.", ".KKKKKKWWK..", ".KWWWWKWK...", ".KWWWWKK....", ".KKKKKK.....",
     "............", "KKKKKKKKKKKK"},
    {// Grid
     "K...K...K...", "KKKKKKKKKKKK", "K...K...K...", "K...Y...K...", "K...Y...K...",
     "KKKKYYYYKKKK", "K...Y...K...", "K...Y...K...", "K...K...K...", "KKKKKKKKKKKK",
     "K...K...K...", "K...K...K..."},
}};

QColor ArtColour(char c) {
  switch (c) {
    case 'K': return QColor(24, 24, 32);
    case 'W': return QColor(250, 250, 250);
    case 'Y': return QColor(236, 196, 40);
    case 'B': return QColor(58, 110, 196);
    case 'G': return QColor(48, 150, 64);
    case 'R': return QColor(206, 60, 60);
    default: return Qt::transparent;
  }
}

QPixmap FromArt(const std::array<const char*, 12>& art) {
  QImage image(Cell, Cell, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < Cell; ++y)
    for (int x = 0; x < Cell; ++x) image.setPixelColor(x, y, ArtColour(art[y][x]));
  return QPixmap::fromImage(image);
}

// Sheet cell `index` of a sheet with `columns` cells per row, enlarged.
QImage SheetCell(const QImage& sheet, int index, int columns, int factor) {
  if (sheet.isNull()) return QImage(Cell * factor, Cell * factor, QImage::Format_RGB32);
  const QImage cell = sheet.copy(index % columns * Cell, index / columns * Cell, Cell, Cell);
  return cell.scaled(Cell * factor, Cell * factor);
}

QPixmap Framed(const QImage& picture, QColor frame) {
  QImage framed = picture.convertToFormat(QImage::Format_RGB32);
  QPainter painter(&framed);
  painter.setPen(frame);
  painter.drawRect(0, 0, framed.width() - 1, framed.height() - 1);
  painter.drawRect(1, 1, framed.width() - 3, framed.height() - 3);
  return QPixmap::fromImage(framed);
}

QPixmap DirectionCross() {
  QImage image(24, 24, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QPen(QColor(96, 96, 96), 1));
  painter.drawLine(12, 2, 12, 21);
  painter.drawLine(2, 12, 21, 12);
  painter.drawLine(5, 5, 19, 19);
  painter.drawLine(19, 5, 5, 19);
  painter.setBrush(QColor(236, 196, 40));
  painter.drawEllipse(QPoint(12, 12), 3, 3);
  return QPixmap::fromImage(image);
}

QPixmap DatabaseDisk() {
  QImage image(24, 24, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QColor(24, 24, 32));
  painter.setBrush(QColor(58, 110, 196));
  painter.drawRect(2, 2, 19, 19);
  painter.setBrush(QColor(230, 230, 230));
  painter.drawRect(6, 2, 11, 7);
  painter.setBrush(QColor(24, 24, 32));
  painter.drawRect(13, 3, 2, 4);
  painter.setBrush(QColor(250, 250, 250));
  painter.drawRect(5, 13, 13, 8);
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap ToolbarIcon(int n, const QImage& blockSheet) {
  const ToolbarButton button = ToolbarButtonAt(n);
  if (button.Kind == ToolbarKind::Block) return QPixmap::fromImage(SheetCell(blockSheet, button.Tag, 10, 1));
  if (n >= 1 && n <= ButtonGrid) return FromArt(IconArt[n]);
  return QPixmap();
}

QPixmap HeadPicture(int i, const QImage& wormSheet) {
  const QImage head = SheetCell(wormSheet, i % 8, 8, 2);
  return i >= 8 ? Framed(head, QColor(255, 230, 40)) : Framed(head, QColor(80, 80, 80));
}

QPixmap PagePixmap(PagePicture picture, const QImage& blockSheet, const QImage& wormSheet) {
  switch (picture) {
    case PagePicture::TrackNumber:
      return QPixmap::fromImage(SheetCell(blockSheet, Blocks::WormholeStart, 10, 2));
    case PagePicture::DirectionCross: return DirectionCross();
    case PagePicture::WormDirection: return QPixmap::fromImage(SheetCell(wormSheet, 3, 8, 2));
    case PagePicture::Database: return DatabaseDisk();
    case PagePicture::DefDB:
      return QPixmap::fromImage(SheetCell(blockSheet, Blocks::WormholeExit, 10, 2));
  }
  return QPixmap();
}
