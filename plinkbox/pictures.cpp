#include "pictures.h"

#include <QPainter>
#include <QtGlobal>

// The resource's registration must be named from the global namespace.
static void RegisterPictures() { Q_INIT_RESOURCE(plinkbox_pictures); }

namespace {

constexpr double kHintOpacity = 0.5;

QPixmap Load(const QString& name) {
  RegisterPictures();
  return QPixmap(":/plinkbox/" + name + ".png");
}

QPixmap SeeThrough(const QPixmap& disk, const QPixmap& cell) {
  QPixmap picture = cell;
  QPainter painter(&picture);
  painter.setOpacity(kHintOpacity);
  painter.drawPixmap((cell.width() - disk.width()) / 2, (cell.height() - disk.height()) / 2, disk);
  return picture;
}

}  // namespace

Pictures::Pictures()
    : redDisk(Load("red_disk")),
      blueDisk(Load("blue_disk")),
      bullsEye(Load("bulls_eye")),
      windowIcon(Load("window_icon")),
      redHint(SeeThrough(redDisk, bullsEye)),
      blueHint(SeeThrough(blueDisk, bullsEye)) {
  for (int k = 0; k < kColumns; ++k) arrows[k] = Load(QString("arrow_%1").arg(k + 1));
}

const QPixmap& Pictures::Of(Picture picture) const {
  switch (picture) {
    case Picture::Red:
      return redDisk;
    case Picture::Blue:
      return blueDisk;
    case Picture::BullsEye:
      break;
  }
  return bullsEye;
}
