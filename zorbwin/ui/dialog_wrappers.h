#pragma once

#include <QString>
#include <cstdint>

// Thin wrappers over the window or dialog of a slot, as the event handlers
// use them. Each does nothing (or gives an empty or false answer) when the
// slot has no window or no such control.

void EndDialog(int slot, int result);
void SetControlText(int slot, int32_t controlId, const QString& text);
QString GetControlText(int slot, int32_t controlId);
bool IsButtonChecked(int slot, int32_t controlId);
void CheckButton(int slot, int32_t controlId, bool checked);

// Ends the message loop once the current event has been handled.
void PostQuit();
