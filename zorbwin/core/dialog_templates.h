#pragma once

#include <cstdint>
#include <span>

enum class ControlKind {
  PushButton,
  DefaultPushButton,
  GroupBox,
  AutoRadioButton,
  Static,
  CentredStatic,
  Icon,  // the program icon
};

// Controls without an id of their own.
constexpr int32_t NO_CONTROL_ID = -1;

// One control of a dialog template; place and size in dialog units.
struct DialogControl {
  int32_t id;
  ControlKind kind;
  const char* text;
  int x, y, width, height;
};

// A dialog as built into the program; sizes in dialog units of its font.
struct DialogTemplate {
  int32_t id;
  const char* caption;
  const char* fontName;  // nullptr: the system font
  int pointSize;
  int width, height;
  std::span<const DialogControl> controls;
};

// The template of id, or nullptr.
const DialogTemplate* FindDialogTemplate(int32_t id);

// Dialog units to pixels with the dialog font's base units: the average
// character width and the character height.
int DialogUnitsToPixelsX(int units, int baseWidth);
int DialogUnitsToPixelsY(int units, int baseHeight);
