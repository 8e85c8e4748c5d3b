#include "pictures.h"

#include <QtGlobal>

// The resource's registration must be named from the global namespace.
static void RegisterPictures() { Q_INIT_RESOURCE(plinkbox_pictures); }

namespace {

QPixmap Load(const QString& name) {
  RegisterPictures();
  return QPixmap(":/plinkbox/" + name + ".png");
}

}  // namespace

Pictures::Pictures()
    : redDisk(Load("red_disk")),
      blueDisk(Load("blue_disk")),
      bullsEye(Load("bulls_eye")),
      windowIcon(Load("window_icon")) {
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
