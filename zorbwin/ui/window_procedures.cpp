#include "ui/window_procedures.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <mutex>

#include "core/event_codes.h"
#include "core/game_lock.h"
#include "core/window_slots.h"
#include "ui/platform_events.h"
#include "ui/virtual_key.h"

namespace {

// The point of a mouse event in client coordinates: those of the main
// window's drawing area.
EventPoint ClientPoint(QObject* window, const QMouseEvent& mouse) {
  QPoint point = mouse.position().toPoint();
  if (auto* frame = qobject_cast<QMainWindow*>(window); frame && frame->centralWidget())
    point = frame->centralWidget()->mapFrom(frame, point);
  return EventPoint{static_cast<int16_t>(point.x()), static_cast<int16_t>(point.y())};
}

bool TranslateMouse(QObject* window, const QMouseEvent& mouse, int slot) {
  const int32_t code = mouse.button() == Qt::LeftButton    ? EV_LBUTTON
                       : mouse.button() == Qt::RightButton ? EV_RBUTTON
                                                           : 0;
  if (code == 0) return false;
  const EventPoint point = ClientPoint(window, mouse);
  DispatchEvent(slot, code, 0, &point);
  return true;
}

void Destroyed(int slot) {
  std::lock_guard lock(GameMutex());
  FreeWindowSlot(slot);
}

bool TranslateCommand(const CommandEvent& command, int slot) {
  const bool click = command.fromControl() && command.notification() == NOTIFY_CLICKED;
  DispatchEvent(slot, click ? EV_CLICK : EV_MENU, command.id());
  return true;
}

void TranslateDialogCommand(const CommandEvent& command, int slot) {
  switch (command.notification()) {
    case NOTIFY_CLICKED:
      DispatchEvent(slot, EV_CLICK, command.id());
      break;
    case NOTIFY_2:
      DispatchEvent(slot, EV_NOTIFY2, command.id());
      break;
    case NOTIFY_FOCUS_LOST:
      DispatchEvent(slot, EV_FOCUSLOST, command.id());
      break;
    default:
      DispatchEvent(slot, EV_MENU, 0);
      break;
  }
}

// Events posted with PostEvent carry their code; false for other events.
bool TranslatePosted(QEvent* event, int slot) {
  const int32_t code = PostedEventCode(event->type());
  if (code < FIRST_USER_MESSAGE) return false;
  DispatchEvent(slot, code, 0);
  return true;
}

}  // namespace

extern "C" {

bool Wow_FonctionFenetreGeneral(QObject* window, QEvent* event, int slot) {
  const QEvent::Type type = event->type();
  if (type == DestroyEventType()) {
    Destroyed(slot);
    DispatchEvent(slot, EV_DESTROY, 0);
    return true;
  }
  if (type == CommandEvent::EventType())
    return TranslateCommand(*static_cast<CommandEvent*>(event), slot);
  switch (type) {
    case QEvent::Show:
      // The window is shown or restored: its picture is to be drawn again.
      DispatchEvent(slot, EV_PAINT, 0);
      return false;
    case QEvent::Close:
      event->ignore();
      DispatchEvent(slot, EV_CLOSE, 0);
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      DispatchEvent(slot, type == QEvent::KeyPress ? EV_KEYDOWN : EV_KEYUP,
                    VirtualKeyCode(static_cast<QKeyEvent*>(event)->key()));
      return true;
    case QEvent::Timer:
      DispatchEvent(slot, EV_TIMER, 0);
      return true;
    case QEvent::MouseButtonPress:
      return TranslateMouse(window, *static_cast<QMouseEvent*>(event), slot);
    default:
      return TranslatePosted(event, slot);
  }
}

bool Wow_FonctionFenetreGeneral1(QObject* window, QEvent* event) {
  return Wow_FonctionFenetreGeneral(window, event, 0);
}
bool Wow_FonctionFenetreGeneral2(QObject* window, QEvent* event) {
  return Wow_FonctionFenetreGeneral(window, event, 1);
}
bool Wow_FonctionFenetreGeneral3(QObject* window, QEvent* event) {
  return Wow_FonctionFenetreGeneral(window, event, 2);
}
bool Wow_FonctionFenetreGeneral4(QObject* window, QEvent* event) {
  return Wow_FonctionFenetreGeneral(window, event, 3);
}
bool Wow_FonctionFenetreGeneral5(QObject* window, QEvent* event) {
  return Wow_FonctionFenetreGeneral(window, event, 4);
}

bool Wow_FonctionDialogueGeneral(QObject* dialog, QEvent* event, int slot) {
  const QEvent::Type type = event->type();
  if (type == InitDialogEventType()) {
    windowSlots[slot].window = dialog;
    DispatchEvent(slot, EV_INIT, 0);
  } else if (type == DestroyEventType()) {
    Destroyed(slot);
  } else if (type == CommandEvent::EventType()) {
    TranslateDialogCommand(*static_cast<CommandEvent*>(event), slot);
  } else if (type == QEvent::Close) {
    event->ignore();
    DispatchEvent(slot, EV_CLOSE, 0);
  } else {
    return TranslatePosted(event, slot);
  }
  return true;
}
}

namespace {

template <int Slot>
bool DialogProcedure(QObject* dialog, QEvent* event) {
  return Wow_FonctionDialogueGeneral(dialog, event, Slot);
}

constexpr WindowProcedure WINDOW_PROCEDURES[WINDOW_SLOT_COUNT] = {
    Wow_FonctionFenetreGeneral1, Wow_FonctionFenetreGeneral2,
    Wow_FonctionFenetreGeneral3, Wow_FonctionFenetreGeneral4,
    Wow_FonctionFenetreGeneral5};

constexpr WindowProcedure DIALOG_PROCEDURES[WINDOW_SLOT_COUNT] = {
    DialogProcedure<0>, DialogProcedure<1>, DialogProcedure<2>,
    DialogProcedure<3>, DialogProcedure<4>};

}  // namespace

WindowProcedure WindowProcedureOf(int slot) { return WINDOW_PROCEDURES[slot]; }

WindowProcedure DialogProcedureOf(int slot) { return DIALOG_PROCEDURES[slot]; }
