#include "arrow_target.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QPainter>

#include "disk_image.h"

ArrowTarget::ArrowTarget(int column, const QPixmap& picture, QWidget* parent)
    : QWidget(parent), column_(column), picture_(picture) {
  setAcceptDrops(true);
}

void ArrowTarget::SetMark(const QColor& colour) {
  mark_ = colour;
  update();
}

void ArrowTarget::ClearMark() { SetMark(QColor()); }

void ArrowTarget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (mark_.isValid()) {
    painter.setPen(QPen(mark_, 2));
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
  }
  painter.drawPixmap((width() - picture_.width()) / 2, (height() - picture_.height()) / 2,
                     picture_);
}

void ArrowTarget::dragEnterEvent(QDragEnterEvent* event) {
  if (DiskImage::DiskOfDrag(event->mimeData())) event->acceptProposedAction();
}

void ArrowTarget::dropEvent(QDropEvent* event) {
  const std::optional<Disk> disk = DiskImage::DiskOfDrag(event->mimeData());
  if (!disk) return;
  event->acceptProposedAction();
  emit DragDrop(column_, *disk);
}
