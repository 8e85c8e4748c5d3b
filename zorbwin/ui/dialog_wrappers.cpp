#include "ui/dialog_wrappers.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>

#include "core/window_slots.h"

namespace {

QObject* SlotWindow(int slot) {
  return slot >= 0 && slot < WINDOW_SLOT_COUNT ? windowSlots[slot].window : nullptr;
}

template <typename Control>
Control* FindControl(int slot, int32_t controlId) {
  QObject* window = SlotWindow(slot);
  if (window == nullptr) return nullptr;
  return window->findChild<Control*>(QString::number(controlId),
                                     Qt::FindDirectChildrenOnly);
}

}  // namespace

void EndDialog(int slot, int result) {
  if (auto* dialog = qobject_cast<QDialog*>(SlotWindow(slot))) dialog->done(result);
}

void SetControlText(int slot, int32_t controlId, const QString& text) {
  if (auto* label = FindControl<QLabel>(slot, controlId)) label->setText(text);
  else if (auto* button = FindControl<QAbstractButton>(slot, controlId)) button->setText(text);
}

QString GetControlText(int slot, int32_t controlId) {
  if (auto* label = FindControl<QLabel>(slot, controlId)) return label->text();
  if (auto* button = FindControl<QAbstractButton>(slot, controlId)) return button->text();
  return {};
}

bool IsButtonChecked(int slot, int32_t controlId) {
  auto* button = FindControl<QAbstractButton>(slot, controlId);
  return button != nullptr && button->isChecked();
}

void CheckButton(int slot, int32_t controlId, bool checked) {
  if (auto* button = FindControl<QAbstractButton>(slot, controlId)) button->setChecked(checked);
}

void PostQuit() { QCoreApplication::exit(0); }
