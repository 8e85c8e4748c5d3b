#include "ui/game_window.h"

#include <QMenuBar>
#include <QPixmap>
#include <QWindow>

#include "core/event_codes.h"
#include "core/main_menu.h"
#include "core/program_icon.h"
#include "core/window_present.h"
#include "core/window_slots.h"
#include "ui/drawing_area.h"
#include "ui/platform_events.h"

namespace {

Qt::WindowFlags FrameFlags(int flags) {
  Qt::WindowFlags frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (flags & WINDOW_MAXIMISE_BOX) frame |= Qt::WindowMaximizeButtonHint;
  if (flags & WINDOW_MINIMISE_BOX) frame |= Qt::WindowMinimizeButtonHint;
  return frame;
}

QWidget* SlotWidget(int slot) {
  if (slot < 0 || slot >= WINDOW_SLOT_COUNT) return nullptr;
  return qobject_cast<QWidget*>(windowSlots[slot].window);
}

}  // namespace

GameWindow::GameWindow(int32_t id, WindowProcedure procedure, int flags)
    : QMainWindow(nullptr, FrameFlags(flags)),
      procedure_(procedure),
      drawingArea_(new DrawingArea(this)) {
  setObjectName(QString::asprintf("C%05d", id));
  setWindowIcon(QPixmap::fromImage(ProgramIcon()));
  setCursor(Qt::ArrowCursor);
  setCentralWidget(drawingArea_);
  BuildMenu();
  setFocusPolicy(Qt::StrongFocus);
  if (!(flags & WINDOW_SIZING_BORDER)) setFixedSize(sizeHint());
}

GameWindow::~GameWindow() {
  QEvent destroy(DestroyEventType());
  procedure_(this, &destroy);
}

void GameWindow::BuildMenu() {
  QMenu* popup = nullptr;
  for (const MenuEntry& entry : MainMenu()) {
    const QString text = QString::fromLatin1(entry.text ? entry.text : "");
    QAction* action = nullptr;
    if (entry.depth == 0 && entry.command == 0) {
      popup = menuBar()->addMenu(text);
    } else if (entry.depth == 0) {
      action = menuBar()->addAction(text);
    } else if (entry.text == nullptr) {
      popup->addSeparator();
    } else {
      action = popup->addAction(text);
    }
    if (action != nullptr)
      connect(action, &QAction::triggered, this,
              [this, id = entry.command] { SendCommand(this, id, 0, false); });
  }
}

bool GameWindow::event(QEvent* event) {
  if (event->type() == PresentEventType()) {
    PresentHandled();
    drawingArea_->ShowChanges();
    return true;
  }
  if (procedure_(this, event)) {
    // Handlers may draw onto the window surface: show what they changed.
    drawingArea_->ShowChanges();
    return true;
  }
  return QMainWindow::event(event);
}

int CreateMainWindow(int32_t id, const QString& title, int flags) {
  const int slot = FindWindowSlot(id);
  if (slot < 0) return -1;
  auto* window = new GameWindow(id, WindowProcedureOf(slot), flags);
  window->setWindowTitle(title);
  windowSlots[slot].window = window;
  DispatchEvent(slot, EV_CREATE, 0);
  window->show();
  window->setFocus();
  return slot;
}

void MoveWindow(int slot, int x, int y) {
  QWidget* window = SlotWidget(slot);
  if (window == nullptr) return;
  if (QWindow* frame = window->windowHandle())
    frame->setFramePosition(QPoint(x, y));
  else
    window->move(x, y);
}

void DestroyMainWindow(int slot) { delete SlotWidget(slot); }
