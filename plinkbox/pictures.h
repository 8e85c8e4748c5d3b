#pragma once

#include <QPixmap>
#include <array>

#include "game.h"

// The pictures built into the program.
struct Pictures {
  Pictures();
  const QPixmap& Of(Picture picture) const;

  QPixmap redDisk;
  QPixmap blueDisk;
  QPixmap bullsEye;
  std::array<QPixmap, kColumns> arrows;
  QPixmap windowIcon;
};
