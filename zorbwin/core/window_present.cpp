#include "core/window_present.h"

#include <QCoreApplication>
#include <QEvent>
#include <atomic>

#include "core/window_slots.h"

namespace {

std::atomic<bool> requestPending{false};

}  // namespace

int PresentEventType() {
  static const int type = QEvent::registerEventType();
  return type;
}

void RequestPresent(int slot) {
  if (slot < 0 || slot >= WINDOW_SLOT_COUNT) return;
  QObject* window = windowSlots[slot].window;
  if (window == nullptr || requestPending.exchange(true)) return;
  QCoreApplication::postEvent(
      window, new QEvent(static_cast<QEvent::Type>(PresentEventType())));
}

void PresentHandled() { requestPending = false; }
