#pragma once

#include <cstdint>
#include <span>

// One entry of the main window's menu: depth 0 for the menu bar, 1 inside a
// popup; a popup has command 0, a separator no text.
struct MenuEntry {
  int depth;
  const char* text;
  int32_t command;
};

// Menu 16: "&Game" ("&New", separator, "&Quit"), "&Options", "&Info"
// ("&Best of", "&About").
std::span<const MenuEntry> MainMenu();
