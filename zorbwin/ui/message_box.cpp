#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "core/string_table.h"
#include "core/window_slots.h"

namespace {

constexpr size_t STRING_ROOM = 150;

struct BoxStyle {
  char type;
  const char* caption;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

constexpr BoxStyle BOX_STYLES[] = {
    {'C', "Attention", QMessageBox::Critical, QMessageBox::Ok | QMessageBox::Cancel},
    {'E', "Erreur", QMessageBox::Critical, QMessageBox::Ok},
    {'I', "Information", QMessageBox::Information, QMessageBox::Ok},
    {'W', "Attention", QMessageBox::Critical, QMessageBox::Ok},
};

constexpr BoxStyle OTHER_STYLE = {0, "", QMessageBox::Critical, QMessageBox::Ok};

const BoxStyle& StyleOf(char type) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(type)));
  for (const BoxStyle& style : BOX_STYLES)
    if (style.type == upper) return style;
  return OTHER_STYLE;
}

// The string of the table, at most STRING_ROOM characters, used as a format.
std::string FormatString(int32_t stringId, const char* text, int number) {
  const char* loaded = LoadResourceString(stringId);
  const std::string format = std::string(loaded ? loaded : "").substr(0, STRING_ROOM);
  const int length = std::snprintf(nullptr, 0, format.c_str(), text, number);
  if (length <= 0) return {};
  std::vector<char> message(static_cast<size_t>(length) + 1);
  std::snprintf(message.data(), message.size(), format.c_str(), text, number);
  return message.data();
}

}  // namespace

bool MessageBoxById(int slot, int32_t stringId, const char* text, int number, char type) {
  const BoxStyle& style = StyleOf(type);
  QWidget* parent = nullptr;
  if (slot >= 0 && slot < WINDOW_SLOT_COUNT)
    parent = qobject_cast<QWidget*>(windowSlots[slot].window);
  QMessageBox box(style.icon, QString::fromLatin1(style.caption),
                  QString::fromStdString(FormatString(stringId, text ? text : "", number)),
                  style.buttons, parent);
  QApplication::beep();
  return box.exec() == QMessageBox::Ok;
}
