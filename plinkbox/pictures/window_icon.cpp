#include "window_icon.h"

#include <QPainter>

namespace {

constexpr int kIconSize = 64;
constexpr int kDiskSize = 42;

}  // namespace

QImage WindowIcon(const DiskStyle& red, const DiskStyle& blue) {
  QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.drawImage(0, 0, FractalDisk(kDiskSize, red));
  painter.drawImage(kIconSize - kDiskSize, kIconSize - kDiskSize, FractalDisk(kDiskSize, blue));
  return icon;
}
