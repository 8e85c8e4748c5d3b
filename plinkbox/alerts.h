#pragma once

#include <QString>

// The message boxes and the system beep, so that play can be scripted.
class Alerts {
 public:
  virtual ~Alerts() = default;
  virtual void Warning(const QString& caption, const QString& text) = 0;
  virtual void Information(const QString& caption, const QString& text) = 0;
  virtual void Message(const QString& caption, const QString& text) = 0;
  virtual void Beep() = 0;
};
