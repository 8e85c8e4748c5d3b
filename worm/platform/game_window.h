#pragma once

#include "platform/key_table.h"

#include <QCursor>
#include <QImage>
#include <QSize>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <optional>

class frmWorm;

// The window of the game: it shows the logical screen (the composition of
// the game window's visible picture boxes) enlarged by the largest whole
// factor that fits, black around, and turns key and mouse input into the
// key table and the game window's events.
class GameWindow : public QWidget {
 public:
  explicit GameWindow(frmWorm& form);

  // Full screen, or a normal window of the logical size times a whole factor.
  void Open(bool windowed);
  void SetLogicalSize(QSize size);
  // Composes the screen again when anything on it may have changed.
  void RefreshScreen();

  const KeyTable& Keys() const { return keys_; }
  void SetCursorShown(bool shown);
  void SetPlayFieldCursor(std::optional<QCursor> cursor);
  int Scale() const;
  // Where a point of the logical screen lies on the desktop.
  QPoint DesktopPoint(QPoint logical) const;

  // Called on a close request that the game has to handle.
  std::function<void()> OnCloseRequest;
  // Called on each activation of the window.
  std::function<void()> OnActivate;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect ScreenRect() const;
  // Position in playfield pixels, truncated to the logical pixel it lies in.
  QPoint PlayFieldPoint(QPointF widgetPoint) const;
  bool OverPlayField(QPointF widgetPoint) const;
  void UpdateCursor(QPointF widgetPoint);
  void SendMouse(QMouseEvent* event,
                 const std::function<void(int, int, int, int)>& handler);

  frmWorm& form_;
  KeyTable keys_;
  QSize logicalSize_{640, 480};
  QImage frame_;
  std::size_t frameState_ = 0;
  bool cursorShown_ = true;
  std::optional<QCursor> playFieldCursor_;
  bool mouseCaptured_ = false;
};
