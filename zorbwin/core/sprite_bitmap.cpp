#include "core/sprite_bitmap.h"

#include <QColor>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/sprite_art.h"
#include "core/sprite_ids.h"

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

QRgb PaletteColour(char pixel) {
  static constexpr std::array<std::pair<char, QRgb>, 16> palette{{
      {'.', 0xFF000000},
      {'m', 0xFF800000},
      {'g', 0xFF008000},
      {'o', 0xFF808000},
      {'n', 0xFF000080},
      {'p', 0xFF800080},
      {'t', 0xFF008080},
      {'s', 0xFFC0C0C0},
      {'a', 0xFF808080},
      {'R', 0xFFFF0000},
      {'G', 0xFF00FF00},
      {'Y', 0xFFFFFF00},
      {'B', 0xFF0000FF},
      {'M', 0xFFFF00FF},
      {'C', 0xFF00FFFF},
      {'W', 0xFFFFFFFF},
  }};
  for (auto [code, colour] : palette) {
    if (code == pixel) return colour;
  }
  return Black;
}

// Turns the text rows of a picture into an image, with X and F replaced by
// the given palette characters.
QImage Decode(std::string_view text, char body = 'X', char face = 'F') {
  std::vector<std::string_view> rows;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view row = text.substr(0, end);
    if (!row.empty()) rows.push_back(row);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  if (rows.empty()) return {};
  QImage image(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
               QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      char pixel = rows[y][x];
      if (pixel == 'X') pixel = body;
      if (pixel == 'F') pixel = face;
      image.setPixel(x, y, PaletteColour(pixel));
    }
  }
  return image;
}

constexpr std::array<char, 4> ChaserColours{'B', 'R', 'G', 'M'};

QImage Picture(std::int32_t id) {
  for (const SpriteArt& art : PictureArt()) {
    if (art.id == id) return Decode(art.rows);
  }
  return {};
}

// The chasers, frightened and blinking chasers: X body, F face.
QImage ChaserPicture(std::int32_t id) {
  int frame = (id - SpriteChaser) % 2;
  int chaser = (id - SpriteChaser) / 2;
  if (id < SpriteFrightened) return Decode(ChaserArt(frame), ChaserColours[chaser]);
  if (id < SpriteBlinking || frame == 0) return Decode(FrightenedArt(frame), 'B', 'W');
  return Decode(FrightenedArt(frame), 'W', ChaserColours[(id - SpriteBlinking) / 2]);
}

// Black wherever one of the pictures first..last is not black, else white.
QImage Mask(std::int32_t first, std::int32_t last) {
  QImage mask;
  for (std::int32_t id = first; id <= last; ++id) {
    QImage picture = SpriteBitmap(id);
    if (mask.isNull()) {
      mask = QImage(picture.size(), QImage::Format_RGB32);
      mask.fill(White);
    }
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixel(x, y) != Black) mask.setPixel(x, y, Black);
      }
    }
  }
  return mask;
}

QImage Blank() {
  QImage blank(SpriteSize, SpriteSize, QImage::Format_RGB32);
  blank.fill(Black);
  return blank;
}

}  // namespace

QImage SpriteBitmap(std::int32_t id) {
  if (id >= SpriteChaser && id < SpriteEyes) return ChaserPicture(id);
  if (id >= SpriteFruit + 1 && id <= SpriteFruit + 11 && id % 2 == 1) return Mask(id - 1, id - 1);
  if (id >= SpriteDyingMask && id < SpriteDyingMask + 4) {
    return Mask(id - SpriteDyingMask + SpriteDying, id - SpriteDyingMask + SpriteDying);
  }
  switch (id) {
    case SpriteBlank:
      return Blank();
    case SpritePlayerMask:
      return Mask(SpritePlayer, SpritePlayer + 3);
    case SpriteChaserMask:
      return Mask(SpriteChaser, SpriteEyes - 1);
    case SpritePowerDotMask:
      return Mask(SpritePowerDot, SpritePowerDot + 2);
    case SpriteEyesMask:
      return Mask(SpriteEyes, SpriteEyes + 1);
    default:
      return Picture(id);
  }
}
