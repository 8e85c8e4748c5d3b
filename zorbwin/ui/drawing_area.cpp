#include "ui/drawing_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <mutex>

#include "core/game_lock.h"
#include "core/game_surfaces.h"
#include "core/surface.h"

DrawingArea::DrawingArea(QWidget* parent) : QWidget(parent) {
  setFixedSize(WindowSurfaceWidth, WindowSurfaceHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void DrawingArea::ShowChanges() {
  QRegion changed;
  {
    std::lock_guard lock(GameMutex());
    changed = TakeChangedRegion(gameSurfaces.windowSurface);
  }
  if (!changed.isEmpty()) update(changed);
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  std::lock_guard lock(GameMutex());
  const Surface* shown = SurfaceInUse(gameSurfaces.windowSurface);
  for (const QRect& part : event->region()) {
    if (shown != nullptr)
      painter.drawImage(part, shown->device, part);
    else
      painter.fillRect(part, Qt::black);
  }
}
