#pragma once

#include <QMainWindow>
#include <QString>
#include <cstdint>

#include "ui/window_procedures.h"

class DrawingArea;

// Creation flags of a main window.
enum WindowFlag : int {
  WINDOW_MAXIMISE_BOX = 1,
  WINDOW_MINIMISE_BOX = 2,
  WINDOW_SIZING_BORDER = 4,
};

// The main window: menu 16 over the drawing area. Every event goes first to
// the window procedure of its slot.
class GameWindow : public QMainWindow {
 public:
  GameWindow(int32_t id, WindowProcedure procedure, int flags);
  ~GameWindow() override;

 protected:
  bool event(QEvent* event) override;

 private:
  void BuildMenu();

  WindowProcedure procedure_;
  DrawingArea* drawingArea_;
};

// Creates the visible window registered for id with its menu, title and
// flags, stores it in its slot and sends it the create event; returns the
// slot, or -1 when nothing is registered for id.
int CreateMainWindow(int32_t id, const QString& title, int flags);

// Moves the slot's window to (x, y) of the screen without resizing it.
void MoveWindow(int slot, int x, int y);

// Destroys the slot's window: its slot is freed and it receives the destroy
// event.
void DestroyMainWindow(int slot);
