#include "core/main_menu.h"

#include "core/resource_ids.h"

namespace {

constexpr MenuEntry MAIN_MENU[] = {
    {0, "&Game", 0},          {1, "&New", CMD_NEW},       {1, nullptr, 0},
    {1, "&Quit", CMD_QUIT},   {0, "&Options", CMD_OPTIONS}, {0, "&Info", 0},
    {1, "&Best of", CMD_BEST_OF}, {1, "&About", CMD_ABOUT},
};

}  // namespace

std::span<const MenuEntry> MainMenu() { return MAIN_MENU; }
