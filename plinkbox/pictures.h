#pragma once

#include <QPixmap>
#include <array>

#include "game.h"

// The pictures built into the program.
struct Pictures {
  Pictures();
  const QPixmap& Of(Picture picture) const;
  // The empty cell with a see-through disk of the side: where the hint drops.
  const QPixmap& HintOf(Disk disk) const { return disk == Disk::Red ? redHint : blueHint; }

  QPixmap redDisk;
  QPixmap blueDisk;
  QPixmap bullsEye;
  std::array<QPixmap, kColumns> arrows;
  QPixmap windowIcon;
  QPixmap redHint;
  QPixmap blueHint;
};
