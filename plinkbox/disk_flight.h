#pragma once

#include <QLabel>
#include <QPixmap>
#include <functional>

#include "scheduler.h"

// The computer's disk on its way: it travels from its frame to the arrow of
// its column, then falls down the column into its cell.
class DiskFlight : public QLabel {
  Q_OBJECT

 public:
  // How long the disk travels to the arrow, how long it falls, and how long
  // each picture of its way stays.
  static constexpr int kTravelMs = 250;
  static constexpr int kDropMs = 250;
  static constexpr int kFrameMs = 20;

  DiskFlight(const QPixmap& picture, Scheduler& scheduler, QWidget* parent);
  // Flies the disk from start over the arrow into the cell, all places of
  // its top left corner, and calls landed once it is there.
  void Fly(QPoint start, QPoint overArrow, QPoint inCell, std::function<void()> landed);
  // Takes the disk away; the scheduler's Cancel has dropped its next frames.
  void Stop();

 private:
  // Shows the disk where it is after the milliseconds, and goes on.
  void ShowFrame(int elapsedMs);
  QPoint PlaceAt(int elapsedMs) const;

  Scheduler& scheduler_;
  QPoint start_;
  QPoint overArrow_;
  QPoint inCell_;
  std::function<void()> landed_;
};
