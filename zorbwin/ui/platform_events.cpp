#include "ui/platform_events.h"

#include <QCoreApplication>

namespace {

QEvent::Type NewEventType() {
  return static_cast<QEvent::Type>(QEvent::registerEventType());
}

}  // namespace

CommandEvent::CommandEvent(int32_t id, int32_t notification, bool fromControl)
    : QEvent(EventType()),
      id_(id),
      notification_(notification),
      fromControl_(fromControl) {}

QEvent::Type CommandEvent::EventType() {
  static const QEvent::Type type = NewEventType();
  return type;
}

void SendCommand(QObject* target, int32_t id, int32_t notification, bool fromControl) {
  CommandEvent command(id, notification, fromControl);
  QCoreApplication::sendEvent(target, &command);
}

QEvent::Type InitDialogEventType() {
  static const QEvent::Type type = NewEventType();
  return type;
}

QEvent::Type DestroyEventType() {
  static const QEvent::Type type = NewEventType();
  return type;
}
