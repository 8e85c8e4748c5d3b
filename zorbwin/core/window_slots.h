#pragma once

#include <cstdint>

class QObject;

// A mouse position in client coordinates.
struct EventPoint {
  int16_t x;
  int16_t y;
};

// A handler receives the slot index; the mouse events also pass the point,
// every other event passes nullptr.
using EventHandler = void (*)(int slot, const EventPoint* point);

// One row of an event table: item is the key code, command id or control id,
// 0 where the event has none.
struct EventRow {
  int32_t event;
  int32_t item;
  EventHandler handler;
};

// A window or dialog known to the event layer.
struct WindowSlot {
  int32_t id = -1;  // menu id of the window or dialog template id; -1 = free
  int32_t userValue = 0;
  int16_t eventCount = 0;
  const EventRow* eventTable = nullptr;
  QObject* window = nullptr;  // set when the window or dialog exists
};

constexpr int WINDOW_SLOT_COUNT = 5;
extern WindowSlot windowSlots[WINDOW_SLOT_COUNT];

// Marks every slot free.
void ClearWindowSlots();

// Claims the first free slot for a window or dialog: 0, or 3 when all five
// slots are taken.
int RegisterEvents(int32_t id, int16_t eventCount, const EventRow* eventTable,
                   int32_t userValue);

// The first slot registered for id, or -1.
int FindWindowSlot(int32_t id);

// Gives the slot back (id -1); its event table stays for the last dispatch.
void FreeWindowSlot(int slot);

// True for the events whose rows match on the item id as well as the code.
bool IsKeyedEvent(int32_t code);

// Calls the handler of the first matching row of the slot's table; an event
// that no row matches is dropped.
void DispatchEvent(int slot, int32_t code, int32_t item,
                   const EventPoint* point = nullptr);

// Posts code to the slot's window; any thread may post. The window thread
// dispatches it when it next handles its events.
void PostEvent(int slot, int32_t code);

// The code carried by a posted platform event type, or -1.
int32_t PostedEventCode(int platformType);
