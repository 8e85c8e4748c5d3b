#include "platform/game_window.h"

#include "core/frm_worm.h"
#include "core/screen_composer.h"
#include "platform/virtual_key.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// Room for the frame of a normal window.
constexpr int WindowFrameAllowance = 64;

int ButtonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

int MouseShift(const QMouseEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

GameWindow::GameWindow(frmWorm& form) : form_(form) {
  setWindowTitle(QStringLiteral("The Vora"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void GameWindow::Open(bool windowed) {
  if (!windowed) {
    // Covering the screen first makes it full screen without a window manager too.
    setGeometry(screen()->geometry());
    showFullScreen();
    return;
  }
  const QRect available = screen()->availableGeometry();
  const int factor = std::max(1, std::min(available.width() / logicalSize_.width(),
                                          (available.height() - WindowFrameAllowance) /
                                              logicalSize_.height()));
  setFixedSize(logicalSize_ * factor);
  show();
}

void GameWindow::SetLogicalSize(QSize size) {
  if (size.isEmpty() || size == logicalSize_) return;
  logicalSize_ = size;
  frame_ = QImage();
  RefreshScreen();
}

int GameWindow::Scale() const {
  return std::max(1, std::min(width() / logicalSize_.width(), height() / logicalSize_.height()));
}

QRect GameWindow::ScreenRect() const {
  const QSize size = logicalSize_ * Scale();
  return {QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

void GameWindow::RefreshScreen() {
  const std::size_t state = ScreenState(form_);
  if (!frame_.isNull() && state == frameState_) return;
  frame_ = ComposeScreen(form_, logicalSize_);
  frameState_ = state;
  update();
}

void GameWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!frame_.isNull()) painter.drawImage(ScreenRect(), frame_);
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  keys_.Press(*event);
  if (form_.Form_KeyDown) {
    const int code = VirtualKeyCode(*event);
    const int shift = ShiftState(*event);
    form_.RunEvent([&] { form_.Form_KeyDown(code, shift); });
    RefreshScreen();
  }
}

void GameWindow::keyReleaseEvent(QKeyEvent* event) { keys_.Release(*event); }

void GameWindow::focusOutEvent(QFocusEvent*) { keys_.ReleaseAll(); }

QPoint GameWindow::DesktopPoint(QPoint logical) const {
  return mapToGlobal(ScreenRect().topLeft() + logical * Scale());
}

QPoint GameWindow::PlayFieldPoint(QPointF widgetPoint) const {
  const QPointF offset = widgetPoint - QPointF(ScreenRect().topLeft());
  const int scale = Scale();
  const QPoint logical(static_cast<int>(std::floor(offset.x() / scale)),
                       static_cast<int>(std::floor(offset.y() / scale)));
  return logical - form_.picPlayField.Rect().topLeft();
}

bool GameWindow::OverPlayField(QPointF widgetPoint) const {
  const PictureBox& playField = form_.picPlayField;
  return playField.Visible() &&
         QRect(QPoint(0, 0), playField.Rect().size()).contains(PlayFieldPoint(widgetPoint));
}

void GameWindow::SendMouse(QMouseEvent* event,
                           const std::function<void(int, int, int, int)>& handler) {
  if (!handler) return;
  const QPoint point = PlayFieldPoint(event->position());
  const int buttons = event->type() == QEvent::MouseMove ? ButtonBits(event->buttons())
                                                         : ButtonBits(event->button());
  const int shift = MouseShift(*event);
  form_.RunEvent([&] { handler(buttons, shift, point.x(), point.y()); });
  RefreshScreen();
}

void GameWindow::mousePressEvent(QMouseEvent* event) {
  if (!OverPlayField(event->position())) return;
  mouseCaptured_ = true;
  SendMouse(event, form_.picPlayField_MouseDown);
}

void GameWindow::mouseMoveEvent(QMouseEvent* event) {
  const QPointF point = event->position();
  UpdateCursor(point);
  if (mouseCaptured_ || OverPlayField(point)) SendMouse(event, form_.picPlayField_MouseMove);
}

void GameWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (!mouseCaptured_) return;
  if (event->buttons() == Qt::NoButton) mouseCaptured_ = false;
  SendMouse(event, form_.picPlayField_MouseUp);
}

void GameWindow::SetCursorShown(bool shown) {
  cursorShown_ = shown;
  UpdateCursor(mapFromGlobal(QCursor::pos()));
}

void GameWindow::SetPlayFieldCursor(std::optional<QCursor> cursor) {
  playFieldCursor_ = std::move(cursor);
  UpdateCursor(mapFromGlobal(QCursor::pos()));
}

void GameWindow::UpdateCursor(QPointF widgetPoint) {
  if (!cursorShown_)
    setCursor(Qt::BlankCursor);
  else if (playFieldCursor_ && OverPlayField(widgetPoint))
    setCursor(*playFieldCursor_);
  else
    setCursor(Qt::ArrowCursor);
}

void GameWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (OnCloseRequest) OnCloseRequest();
}

bool GameWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && OnActivate) OnActivate();
  return QWidget::event(event);
}
