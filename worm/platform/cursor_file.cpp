#include "platform/cursor_file.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace {

// Directory header (6 bytes) and the first entry, whose bytes 4..7 are the
// hot spot's x and y (16 bits each, little-endian) in a cursor file.
constexpr int HotSpotOffset = 6 + 4;

int Word(const QByteArray& bytes, int offset) {
  return static_cast<unsigned char>(bytes[offset]) |
         (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

}  // namespace

std::optional<QCursor> LoadCursorFile(const QString& path, int scale) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  QImage picture;
  if (bytes.size() < HotSpotOffset + 4 || Word(bytes, 2) != 2 ||
      !picture.loadFromData(bytes, "CUR"))
    return std::nullopt;
  const QImage enlarged = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio,
                                         Qt::FastTransformation);
  return QCursor(QPixmap::fromImage(enlarged), Word(bytes, HotSpotOffset) * scale,
                 Word(bytes, HotSpotOffset + 2) * scale);
}
