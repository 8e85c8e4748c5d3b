#pragma once

#include "alerts.h"

// Modal message boxes over the active window, and the desktop's beep.
class DesktopAlerts : public Alerts {
 public:
  void Warning(const QString& caption, const QString& text) override;
  void Information(const QString& caption, const QString& text) override;
  void Message(const QString& caption, const QString& text) override;
  void Beep() override;
};
