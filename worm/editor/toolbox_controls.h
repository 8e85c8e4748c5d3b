#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// The toolbox's controls as plain values: the editor's rules set them, the
// toolbox window shows them and turns the user's actions into the calls
// below, so every rule can be tested without widgets.

// A slider with its range, steps and ticks. Scroll notifies a move while
// the user drags; Change notifies every change of the value.
class SliderControl {
 public:
  int Value() const { return value_; }
  // The value is kept within Min..Max; Change runs when it differs from
  // the value of the last change (a drag's moves do not count).
  void SetValue(int value);
  // The value follows the new range.
  void SetRange(int min, int max);
  // The user dragged the thumb to value (not yet released): the value
  // moves and Scroll runs; the release is a SetValue.
  void UserScroll(int value);

  int Min = 0;
  int Max = 10;
  int SmallChange = 1;
  int LargeChange = 2;
  int TickFrequency = 1;
  bool Enabled = true;
  QString ToolTip;
  std::function<void()> Scroll;
  std::function<void()> Change;

 private:
  int value_ = 0;
  int changedValue_ = 0;
};

// A command button or menu item that can be enabled.
struct CommandButton {
  QString Caption;
  bool Enabled = true;
  std::function<void()> Click;
};

// A drop-down list. Click runs whenever the selection is changed, by the
// user or by the program.
class ComboControl {
 public:
  const QStringList& Entries() const { return entries_; }
  int ListIndex() const { return listIndex_; }
  void SetListIndex(int index);
  void Insert(int index, const QString& text);
  void Remove(int index);
  void Clear();
  // Replaces the text of the selected entry.
  void SetSelectedText(const QString& text);

  QString ToolTip;
  std::function<void()> Click;

 private:
  QStringList entries_;
  int listIndex_ = -1;
};

// A list with a check box on each entry; ItemCheck runs with the index of
// an entry the user clicked.
struct CheckListControl {
  QStringList Entries;
  std::vector<bool> Checked;
  QString ToolTip;
  std::function<void(int)> ItemCheck;

  void Clear();
  void Add(const QString& text);
};

// A menu item; a caption "-" is a separator.
struct MenuItem {
  QString Caption;
  bool Enabled = true;
  bool Checked = false;
  std::vector<MenuItem> Items;  // a submenu
  std::function<void()> Click;
};

// A panel of the status bar.
struct StatusPanel {
  QString Text;
  QString ToolTip;
};

// A toolbar button's look: pressed (a tool, a block, the grid) and enabled.
struct ToolbarButtonState {
  bool Pressed = false;
  bool Enabled = true;
};
