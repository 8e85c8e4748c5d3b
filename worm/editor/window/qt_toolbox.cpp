#include "editor/window/qt_toolbox.h"

#include "core/frm_worm.h"
#include "editor/editor.h"
#include "editor/window/frm_tool_box.h"

namespace {

// Where the toolbox's client area first stands on the logical screen.
const QPoint FirstPlace(201, 152);

}  // namespace

QtToolboxHost::QtToolboxHost(QWidget* gameWindow, std::function<void()> refreshScreen)
    : gameWindow_(gameWindow), refreshScreen_(std::move(refreshScreen)) {}

std::unique_ptr<ToolboxWindow> QtToolboxHost::CreateToolbox(Editor& editor) {
  return std::make_unique<QtToolboxWindow>(editor, gameWindow_, refreshScreen_);
}

QtToolboxWindow::QtToolboxWindow(Editor& editor, QWidget* gameWindow,
                                 std::function<void()> refreshScreen)
    : editor_(editor), widget_(new frmToolBox(editor, gameWindow, std::move(refreshScreen))) {}

QtToolboxWindow::~QtToolboxWindow() {
  if (!widget_) return;
  widget_->hide();
  widget_->deleteLater();
}

void QtToolboxWindow::ShowWindow() {
  widget_->SetTopmost(true);
  if (!placed_) {
    // The client area under the menu bar at its place over the scaled screen.
    const int menuHeight = widget_->height() - frmToolBox::ClientHeight;
    const QPoint client = editor_.Form.System.DesktopPoint(FirstPlace);
    widget_->setGeometry(QRect(client - QPoint(0, menuHeight), widget_->size()));
    placed_ = true;
  }
  widget_->show();
  widget_->raise();
}

void QtToolboxWindow::HideWindow() { widget_->hide(); }

bool QtToolboxWindow::Shown() const { return widget_ && widget_->isVisible(); }

void QtToolboxWindow::SetTopmost(bool topmost) { widget_->SetTopmost(topmost); }

void QtToolboxWindow::Repaint() { widget_->Sync(); }

MenuItem* QtToolboxWindow::PopupMenu(MenuItem& menu) { return widget_->Popup(menu); }

frmToolBox* QtToolboxWindow::Widget() const { return widget_; }
