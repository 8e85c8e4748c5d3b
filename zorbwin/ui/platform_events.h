#pragma once

#include <QEvent>
#include <cstdint>

// The platform messages that Qt has no event for, as the window and dialog
// procedures receive them.

// A command: a menu item chosen or a control's notification.
class CommandEvent : public QEvent {
 public:
  CommandEvent(int32_t id, int32_t notification, bool fromControl);
  static QEvent::Type EventType();

  int32_t id() const { return id_; }
  int32_t notification() const { return notification_; }
  bool fromControl() const { return fromControl_; }

 private:
  int32_t id_;
  int32_t notification_;
  bool fromControl_;
};

// Control notification codes.
constexpr int32_t NOTIFY_CLICKED = 0;
constexpr int32_t NOTIFY_2 = 2;
constexpr int32_t NOTIFY_FOCUS_LOST = 512;

// Sends a command to a window or dialog at once.
void SendCommand(QObject* target, int32_t id, int32_t notification, bool fromControl);

// A dialog has its controls and is about to be shown.
QEvent::Type InitDialogEventType();

// A window or dialog is about to be destroyed.
QEvent::Type DestroyEventType();
