#pragma once

#include <cstdint>

// Resource ids of the main window, its menu commands, the dialogs, their
// controls and the strings.
enum ResourceId : int32_t {
  MAIN_WINDOW_ID = 16,  // the main window's menu and the program icon
  CMD_NEW = 257,
  CMD_QUIT = 258,
  CMD_OPTIONS = 259,
  CMD_BEST_OF = 260,
  CMD_ABOUT = 261,
  DIALOG_ABOUT = 270,
  DIALOG_BEST_SCORE = 273,
  DIALOG_OPTIONS = 340,
  IDC_OK = 301,
  IDC_SPEED_GROUP = 101,
  IDC_SLOW = 106,  // Normal and Turbo follow
  IDC_BEST_SCORE_0 = 320,  // three best scores, then three best levels
  IDC_BEST_LEVEL_0 = 323,
  IDC_CANCEL = 2,  // the command the Escape key sends in a dialog
  STRING_CANNOT_OPEN = 331,
};
