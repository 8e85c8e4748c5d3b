#include "editor/toolbox_controls.h"

#include <algorithm>

void SliderControl::SetValue(int value) {
  value_ = std::clamp(value, Min, std::max(Min, Max));
  if (value_ == changedValue_) return;
  changedValue_ = value_;
  if (Change) Change();
}

void SliderControl::SetRange(int min, int max) {
  Min = min;
  Max = max;
  SetValue(value_);
}

void SliderControl::UserScroll(int value) {
  value_ = std::clamp(value, Min, std::max(Min, Max));
  if (Scroll) Scroll();
}

void ComboControl::SetListIndex(int index) {
  if (index < -1 || index >= entries_.size()) return;
  listIndex_ = index;
  if (Click && index >= 0) Click();
}

void ComboControl::Insert(int index, const QString& text) {
  index = std::clamp(index, 0, static_cast<int>(entries_.size()));
  entries_.insert(index, text);
  if (listIndex_ >= index) ++listIndex_;
}

void ComboControl::Remove(int index) {
  if (index < 0 || index >= entries_.size()) return;
  entries_.removeAt(index);
  if (listIndex_ == index)
    listIndex_ = -1;
  else if (listIndex_ > index)
    --listIndex_;
}

void ComboControl::Clear() {
  entries_.clear();
  listIndex_ = -1;
}

void ComboControl::SetSelectedText(const QString& text) {
  if (listIndex_ >= 0) entries_[listIndex_] = text;
}

void CheckListControl::Clear() {
  Entries.clear();
  Checked.clear();
}

void CheckListControl::Add(const QString& text) {
  Entries << text;
  Checked.push_back(false);
}
