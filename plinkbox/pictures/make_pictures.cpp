// Writes the game's pictures as PNG files into the folder given as argument.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "arrow_picture.h"
#include "bulls_eye_picture.h"
#include "fractal_disk.h"
#include "window_icon.h"

namespace {

constexpr int kDiskSize = 32;

const DiskStyle kRed{{-0.8, 0.156}, 2.4, QColor(130, 10, 0), QColor(235, 40, 15),
                     QColor(255, 205, 90)};
const DiskStyle kBlue{{0.285, 0.01}, 2.2, QColor(0, 10, 70), QColor(20, 90, 230),
                      QColor(170, 240, 255)};

bool Save(const QDir& folder, const QString& name, const QImage& image) {
  const QString path = folder.filePath(name);
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) return 1;
  bool ok = Save(folder, "red_disk.png", FractalDisk(kDiskSize, kRed)) &&
            Save(folder, "blue_disk.png", FractalDisk(kDiskSize, kBlue)) &&
            Save(folder, "bulls_eye.png", BullsEyePicture(kDiskSize)) &&
            Save(folder, "window_icon.png", WindowIcon(kRed, kBlue));
  for (int number = 1; ok && number <= 7; ++number) {
    ok = Save(folder, QString("arrow_%1.png").arg(number), ArrowPicture(number));
  }
  return ok ? 0 : 1;
}
