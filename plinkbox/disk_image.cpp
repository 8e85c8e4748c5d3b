#include "disk_image.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

const QString DiskImage::kMimeType = "application/x-plinkett-disk";

namespace {

const QByteArray kRedData = "R";
const QByteArray kBlueData = "B";

}  // namespace

DiskImage::DiskImage(Disk disk, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), disk_(disk), picture_(picture) {
  setFixedSize(picture.size());
}

void DiskImage::SetBorderStyle(int borderStyle) {
  borderStyle_ = borderStyle;
  update();
}

std::optional<Disk> DiskImage::DiskOfDrag(const QMimeData* data) {
  if (data == nullptr) return std::nullopt;
  const QByteArray payload = data->data(kMimeType);
  if (payload == kRedData) return Disk::Red;
  if (payload == kBlueData) return Disk::Blue;
  return std::nullopt;
}

// Drawn as it is whether enabled or not: only the "GO" frames tell the turn.
void DiskImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
  if (borderStyle_ == kBorderShown) {
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void DiskImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  auto* data = new QMimeData;
  data->setData(kMimeType, disk_ == Disk::Red ? kRedData : kBlueData);
  auto* drag = new QDrag(this);
  drag->setMimeData(data);
  drag->setPixmap(picture_);
  drag->setHotSpot(event->position().toPoint());
  drag->exec(Qt::MoveAction);
}
