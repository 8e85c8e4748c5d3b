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

void DrawingArea::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  std::lock_guard lock(GameMutex());
  if (const Surface* shown = SurfaceInUse(gameSurfaces.windowSurface))
    painter.drawImage(event->rect(), shown->device, event->rect());
  else
    painter.fillRect(event->rect(), Qt::black);
}
