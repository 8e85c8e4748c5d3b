#include "computer_menu.h"

#include <QActionGroup>

namespace {

struct LevelItem {
  ComputerLevel level;
  const char* text;
};

constexpr LevelItem kLevelItems[] = {{ComputerLevel::Off, "&Off"},
                                     {ComputerLevel::Easy, "&Easy"},
                                     {ComputerLevel::Medium, "&Medium"},
                                     {ComputerLevel::Hard, "&Hard"}};

}  // namespace

ComputerMenu::ComputerMenu(QWidget* parent) : QMenu("&Computer", parent) {
  auto* group = new QActionGroup(this);
  for (const LevelItem& item : kLevelItems) {
    QAction* action = addAction(item.text);
    action->setCheckable(true);
    action->setChecked(item.level == level_);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, level = item.level] {
      level_ = level;
      emit LevelChosen(level);
    });
    levels_[static_cast<int>(item.level)] = action;
  }
  addSeparator();
  mnuHint_ = addAction("H&int");
  mnuHint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  mnuUndo_ = addAction("&Undo");
  mnuUndo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
}
