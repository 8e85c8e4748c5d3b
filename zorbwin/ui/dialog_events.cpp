#include "ui/dialog_events.h"

#include <iterator>
#include <mutex>

#include "core/event_codes.h"
#include "core/game_lock.h"
#include "core/game_state.h"
#include "core/resource_ids.h"
#include "core/window_slots.h"
#include "ui/dialog_wrappers.h"
#include "ui/game_dialog.h"

namespace {

constexpr int SPEED_COUNT = 3;

void EndWithOk(int slot, const EventPoint*) { EndDialog(slot, 1); }

void SelectSpeed(int slot, const EventPoint*) {
  int speed;
  {
    std::lock_guard lock(GameMutex());
    speed = gameState.speed;
  }
  CheckButton(slot, IDC_SLOW + speed, true);
}

// Any way of closing keeps the choice: the first selected button's index,
// SPEED_COUNT when none is.
void TakeSpeed(int slot, const EventPoint*) {
  int speed = 0;
  while (speed < SPEED_COUNT && !IsButtonChecked(slot, IDC_SLOW + speed)) ++speed;
  {
    std::lock_guard lock(GameMutex());
    gameState.speed = speed;
  }
  EndDialog(slot, 1);
}

void ShowBestGames(int slot, const EventPoint*) {
  std::lock_guard lock(GameMutex());
  for (int k = 0; k < 3; ++k) {
    SetControlText(slot, IDC_BEST_SCORE_0 + k,
                   QString::asprintf("%07d", gameState.bestScores[k]));
    SetControlText(slot, IDC_BEST_LEVEL_0 + k,
                   QString::asprintf("%03d", gameState.bestLevels[k]));
  }
}

constexpr EventRow OPTIONS_EVENTS[] = {
    {EV_INIT, 0, SelectSpeed},
    {EV_CLOSE, 0, TakeSpeed},
    {EV_CLICK, IDC_OK, TakeSpeed},
};

constexpr EventRow BEST_SCORE_EVENTS[] = {
    {EV_INIT, 0, ShowBestGames},
    {EV_CLOSE, 0, EndWithOk},
    {EV_CLICK, IDC_OK, EndWithOk},
};

constexpr EventRow ABOUT_EVENTS[] = {
    {EV_CLOSE, 0, EndWithOk},
    {EV_CLICK, IDC_OK, EndWithOk},
};

template <size_t RowCount>
void ShowDialog(int parentSlot, int templateId, const EventRow (&table)[RowCount]) {
  {
    std::lock_guard lock(GameMutex());
    if (RegisterEvents(templateId, RowCount, table, 0) != 0) return;
  }
  if (ShowModalDialog(parentSlot, templateId) != 0) {
    std::lock_guard lock(GameMutex());
    FreeWindowSlot(FindWindowSlot(templateId));
  }
}

}  // namespace

void ShowOptionsDialog(int parentSlot) {
  ShowDialog(parentSlot, DIALOG_OPTIONS, OPTIONS_EVENTS);
}

void ShowBestScoreDialog(int parentSlot) {
  ShowDialog(parentSlot, DIALOG_BEST_SCORE, BEST_SCORE_EVENTS);
}

void ShowAboutDialog(int parentSlot) { ShowDialog(parentSlot, DIALOG_ABOUT, ABOUT_EVENTS); }
