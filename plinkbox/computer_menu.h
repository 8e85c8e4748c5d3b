#pragma once

#include <QAction>
#include <QMenu>
#include <array>

#include "computer/computer_level.h"

// The "&Computer" menu: who plays blue, a hint for the side to move, and
// taking back the last move.
class ComputerMenu : public QMenu {
  Q_OBJECT

 public:
  explicit ComputerMenu(QWidget* parent);

  // The level checked, Off at every start.
  ComputerLevel Level() const { return level_; }
  QAction* LevelCommand(ComputerLevel level) const { return levels_[static_cast<int>(level)]; }
  QAction* HintCommand() const { return mnuHint_; }
  QAction* UndoCommand() const { return mnuUndo_; }

 signals:
  // A level was chosen, the one checked before or another.
  void LevelChosen(ComputerLevel level);

 private:
  ComputerLevel level_ = ComputerLevel::Off;
  // "&Off", "&Easy", "&Medium", "&Hard", in the order of the levels.
  std::array<QAction*, 4> levels_{};
  QAction* mnuHint_ = nullptr;
  QAction* mnuUndo_ = nullptr;
};
