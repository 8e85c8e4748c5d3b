#pragma once

#include <QPixmap>
#include <QMimeData>
#include <QWidget>
#include <optional>

#include "game.h"

// A side's disk; while enabled, pressing on it drags its picture.
class DiskImage : public QWidget {
  Q_OBJECT

 public:
  static const QString kMimeType;

  DiskImage(Disk disk, const QPixmap& picture, QWidget* parent);
  Disk disk() const { return disk_; }
  void SetBorderStyle(int borderStyle);
  int BorderStyle() const { return borderStyle_; }

  // The disk a drag carries, if its data came from a disk.
  static std::optional<Disk> DiskOfDrag(const QMimeData* data);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Disk disk_;
  QPixmap picture_;
  int borderStyle_ = kBorderHidden;
};
