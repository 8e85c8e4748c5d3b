#pragma once

#include <cstdint>

// The game's own event codes; window and dialog events are translated into
// these before they are dispatched through the event tables.
enum EventCode : int32_t {
  EV_START = 1024,      // posted by the main window to itself once it exists
  EV_NEXTLEVEL = 1025,  // posted by the game thread when a maze is cleared
  EV_INIT = 1536,       // dialog initialised
  EV_CLOSE = 1537,      // close request
  EV_MENU = 1538,       // menu command; in a dialog any other notification
  EV_CREATE = 1539,
  EV_DESTROY = 1540,
  EV_PAINT = 1541,
  EV_LBUTTON = 1542,
  EV_RBUTTON = 1543,
  EV_CLICK = 1546,      // control clicked
  EV_FOCUSLOST = 1547,  // dialog edit control lost the focus
  EV_NOTIFY2 = 1548,    // dialog control notification code 2
  EV_TIMER = 1549,
  EV_KEYDOWN = 1551,
  EV_KEYUP = 1552,
};

// Messages from this number up are dispatched under their own number.
constexpr int32_t FIRST_USER_MESSAGE = 1024;

// The cursor keys are renumbered; every other key keeps its virtual-key code.
enum KeyCode : int32_t {
  KEY_UP = 4096,
  KEY_DOWN = 4097,
  KEY_LEFT = 4098,
  KEY_RIGHT = 4099,
  VK_P = 80,
  VK_F1 = 112,
};
