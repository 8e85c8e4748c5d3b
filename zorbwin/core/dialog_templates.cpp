#include "core/dialog_templates.h"

#include "core/resource_ids.h"

namespace {

constexpr DialogControl OPTIONS_CONTROLS[] = {
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 76, 100, 50, 14},
    {IDC_SPEED_GROUP, ControlKind::GroupBox, "Speed", 8, 8, 116, 76},
    {IDC_SLOW, ControlKind::AutoRadioButton, "Slow", 28, 26, 60, 12},
    {IDC_SLOW + 1, ControlKind::AutoRadioButton, "Normal", 28, 45, 60, 12},
    {IDC_SLOW + 2, ControlKind::AutoRadioButton, "Turbo", 28, 64, 60, 12},
};

constexpr DialogControl BEST_SCORE_CONTROLS[] = {
    {NO_CONTROL_ID, ControlKind::GroupBox, "", 15, 12, 160, 77},
    {IDC_OK, ControlKind::PushButton, "Ok", 21, 99, 40, 14},
    {NO_CONTROL_ID, ControlKind::Static, "Score", 70, 23, 36, 8},
    {NO_CONTROL_ID, ControlKind::Static, "Level", 124, 25, 26, 8},
    {NO_CONTROL_ID, ControlKind::Static, "1.", 28, 40, 20, 8},
    {NO_CONTROL_ID, ControlKind::Static, "2.", 28, 56, 20, 8},
    {NO_CONTROL_ID, ControlKind::Static, "3.", 28, 72, 20, 8},
    {IDC_BEST_SCORE_0, ControlKind::Static, "", 64, 40, 60, 8},
    {IDC_BEST_SCORE_0 + 1, ControlKind::Static, "", 64, 56, 60, 8},
    {IDC_BEST_SCORE_0 + 2, ControlKind::Static, "", 64, 72, 60, 8},
    {IDC_BEST_LEVEL_0, ControlKind::Static, "", 130, 40, 25, 8},
    {IDC_BEST_LEVEL_0 + 1, ControlKind::Static, "", 130, 56, 25, 8},
    {IDC_BEST_LEVEL_0 + 2, ControlKind::Static, "", 130, 72, 25, 8},
};

constexpr DialogControl ABOUT_CONTROLS[] = {
    {NO_CONTROL_ID, ControlKind::Icon, "", 8, 85, 16, 16},
    {NO_CONTROL_ID, ControlKind::CentredStatic, "ZORBIX 2.3 for Windows 32 bits", 0, 8, 144, 8},
    {NO_CONTROL_ID, ControlKind::CentredStatic, "Written by the Velmora game studio", 0, 40, 144, 8},
    {NO_CONTROL_ID, ControlKind::CentredStatic, "November 1997", 0, 60, 144, 8},
    {IDC_OK, ControlKind::DefaultPushButton, "OK", 53, 85, 32, 14},
};

constexpr DialogTemplate TEMPLATES[] = {
    {DIALOG_OPTIONS, "Options", "MS Sans Serif", 8, 136, 119, OPTIONS_CONTROLS},
    {DIALOG_BEST_SCORE, "Best score", nullptr, 0, 190, 123, BEST_SCORE_CONTROLS},
    {DIALOG_ABOUT, "About ZORBIX", nullptr, 0, 144, 110, ABOUT_CONTROLS},
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int32_t id) {
  for (const DialogTemplate& dialog : TEMPLATES)
    if (dialog.id == id) return &dialog;
  return nullptr;
}

int DialogUnitsToPixelsX(int units, int baseWidth) {
  return (units * baseWidth + 2) / 4;
}

int DialogUnitsToPixelsY(int units, int baseHeight) {
  return (units * baseHeight + 4) / 8;
}
