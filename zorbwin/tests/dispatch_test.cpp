#include <gtest/gtest.h>

#include <vector>

#include "core/event_codes.h"
#include "core/window_slots.h"

namespace {

std::vector<int> calls;

void First(int, const EventPoint*) { calls.push_back(1); }
void Second(int, const EventPoint*) { calls.push_back(2); }
void Third(int, const EventPoint*) { calls.push_back(3); }
void Mouse(int, const EventPoint* point) {
  calls.push_back(point ? point->x * 1000 + point->y : -1);
}

const EventRow TABLE[] = {
    {EV_KEYDOWN, KEY_LEFT, First},  {EV_KEYDOWN, VK_P, Second},
    {EV_KEYDOWN, KEY_LEFT, Third},  {EV_PAINT, 0, Second},
    {EV_PAINT, 0, Third},           {EV_START, 99, Third},
    {EV_MENU, 257, First},          {EV_CLICK, 301, Second},
    {EV_LBUTTON, 0, Mouse},
};

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearWindowSlots();
    calls.clear();
    ASSERT_EQ(RegisterEvents(16, std::size(TABLE), TABLE, 0), 0);
    slot = FindWindowSlot(16);
  }
  int slot = -1;
};

TEST_F(DispatchTest, FirstMatchingRowWins) {
  DispatchEvent(slot, EV_KEYDOWN, KEY_LEFT);
  DispatchEvent(slot, EV_PAINT, 0);
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST_F(DispatchTest, KeyedEventsMatchOnItemPlainEventsOnCodeOnly) {
  DispatchEvent(slot, EV_KEYDOWN, VK_P);
  DispatchEvent(slot, EV_MENU, 257);
  DispatchEvent(slot, EV_CLICK, 301);
  // Plain events ignore the item of the row and of the event.
  DispatchEvent(slot, EV_PAINT, 55);
  DispatchEvent(slot, EV_START, 0);
  EXPECT_EQ(calls, (std::vector<int>{2, 1, 2, 2, 3}));
}

TEST_F(DispatchTest, UnmatchedEventsAreDropped) {
  DispatchEvent(slot, EV_KEYDOWN, KEY_RIGHT);
  DispatchEvent(slot, EV_KEYUP, KEY_LEFT);
  DispatchEvent(slot, EV_MENU, 258);
  DispatchEvent(slot, EV_CLICK, 2);
  DispatchEvent(slot, EV_RBUTTON, 0);
  DispatchEvent(slot, EV_NEXTLEVEL, 0);
  DispatchEvent(WINDOW_SLOT_COUNT, EV_PAINT, 0);
  EXPECT_TRUE(calls.empty());
}

TEST_F(DispatchTest, MouseHandlersReceiveThePoint) {
  const EventPoint point{12, 34};
  DispatchEvent(slot, EV_LBUTTON, 0, &point);
  EXPECT_EQ(calls, (std::vector<int>{12034}));
}

TEST_F(DispatchTest, FullSlotTableRefusesAndFreedSlotIsReused) {
  for (int id = 1; id <= 4; ++id) ASSERT_EQ(RegisterEvents(id, 0, nullptr, 0), 0);
  EXPECT_EQ(RegisterEvents(340, 1, TABLE, 0), 3);
  EXPECT_EQ(FindWindowSlot(340), -1);
  FreeWindowSlot(FindWindowSlot(2));
  EXPECT_EQ(RegisterEvents(340, 1, TABLE, 0), 0);
  EXPECT_EQ(FindWindowSlot(340), 2);
}

}  // namespace
