#include "core/window_present.h"

#include <QCoreApplication>
#include <QEvent>
#include <atomic>

#include "core/game_surfaces.h"
#include "core/surface.h"
#include "core/window_slots.h"

namespace {

std::atomic<bool> requestPending{false};

}  // namespace

int PresentEventType() {
  static const int type = QEvent::registerEventType();
  return type;
}

bool RequestPresent(int slot) {
  if (slot < 0 || slot >= WINDOW_SLOT_COUNT) return false;
  QObject* window = windowSlots[slot].window;
  if (window == nullptr || !SurfaceChanged(gameSurfaces.windowSurface)) return false;
  if (requestPending.exchange(true)) return false;
  QCoreApplication::postEvent(
      window, new QEvent(static_cast<QEvent::Type>(PresentEventType())));
  return true;
}

void PresentHandled() { requestPending = false; }
