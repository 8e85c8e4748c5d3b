#include "core/window_slots.h"

#include <QCoreApplication>
#include <QEvent>

#include "core/event_codes.h"

WindowSlot windowSlots[WINDOW_SLOT_COUNT];

namespace {

bool ValidSlot(int slot) { return slot >= 0 && slot < WINDOW_SLOT_COUNT; }

// Posted codes travel as user events: QEvent::User + code. The event types
// Qt hands out at run time lie far above the highest code.
constexpr int LAST_POSTED_CODE = 0x7FFF;

QEvent::Type PostedEventType(int32_t code) {
  return static_cast<QEvent::Type>(QEvent::User + code);
}

}  // namespace

void ClearWindowSlots() {
  for (WindowSlot& slot : windowSlots) slot = WindowSlot{};
}

int RegisterEvents(int32_t id, int16_t eventCount, const EventRow* eventTable,
                   int32_t userValue) {
  for (WindowSlot& slot : windowSlots) {
    if (slot.id != -1) continue;
    slot = WindowSlot{id, userValue, eventCount, eventTable, nullptr};
    return 0;
  }
  return 3;
}

int FindWindowSlot(int32_t id) {
  for (int slot = 0; slot < WINDOW_SLOT_COUNT; ++slot)
    if (windowSlots[slot].id == id) return slot;
  return -1;
}

void FreeWindowSlot(int slot) {
  if (!ValidSlot(slot)) return;
  windowSlots[slot].id = -1;
  windowSlots[slot].window = nullptr;
}

bool IsKeyedEvent(int32_t code) {
  switch (code) {
    case EV_KEYDOWN:
    case EV_KEYUP:
    case EV_MENU:
    case EV_CLICK:
    case EV_FOCUSLOST:
    case EV_NOTIFY2:
      return true;
    default:
      return false;
  }
}

void DispatchEvent(int slot, int32_t code, int32_t item,
                   const EventPoint* point) {
  if (!ValidSlot(slot)) return;
  const WindowSlot& target = windowSlots[slot];
  const bool keyed = IsKeyedEvent(code);
  for (int row = 0; row < target.eventCount; ++row) {
    const EventRow& candidate = target.eventTable[row];
    if (candidate.event != code) continue;
    if (keyed && candidate.item != item) continue;
    candidate.handler(slot, point);
    return;
  }
}

int32_t PostedEventCode(int platformType) {
  const int code = platformType - QEvent::User;
  return code >= 0 && code <= LAST_POSTED_CODE ? code : -1;
}

void PostEvent(int slot, int32_t code) {
  if (!ValidSlot(slot) || windowSlots[slot].window == nullptr) return;
  if (code < 0 || code > LAST_POSTED_CODE) return;
  QCoreApplication::postEvent(
      windowSlots[slot].window,
      new QEvent(PostedEventType(code)));
}
