#include "disk_flight.h"

#include <algorithm>

namespace {

QPoint Between(QPoint from, QPoint to, double fraction) {
  return from + (QPointF(to - from) * fraction).toPoint();
}

}  // namespace

DiskFlight::DiskFlight(const QPixmap& picture, Scheduler& scheduler, QWidget* parent)
    : QLabel(parent), scheduler_(scheduler) {
  setPixmap(picture);
  setFixedSize(picture.size());
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void DiskFlight::Fly(QPoint start, QPoint overArrow, QPoint inCell,
                     std::function<void()> landed) {
  start_ = start;
  overArrow_ = overArrow;
  inCell_ = inCell;
  landed_ = std::move(landed);
  raise();
  show();
  ShowFrame(0);
}

void DiskFlight::Stop() { hide(); }

void DiskFlight::ShowFrame(int elapsedMs) {
  move(PlaceAt(elapsedMs));
  if (elapsedMs >= kTravelMs + kDropMs) {
    hide();
    const std::function<void()> landed = std::move(landed_);
    landed();
    return;
  }
  scheduler_.After(kFrameMs, [this, elapsedMs] { ShowFrame(elapsedMs + kFrameMs); });
}

// Travels smoothly, starting and ending slowly, then falls faster and faster.
QPoint DiskFlight::PlaceAt(int elapsedMs) const {
  if (elapsedMs < kTravelMs) {
    const double t = static_cast<double>(elapsedMs) / kTravelMs;
    return Between(start_, overArrow_, t * t * (3 - 2 * t));
  }
  const double t = std::min(1.0, static_cast<double>(elapsedMs - kTravelMs) / kDropMs);
  return Between(overArrow_, inCell_, t * t);
}
