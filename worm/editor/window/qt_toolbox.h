#pragma once

#include "editor/toolbox_window.h"

#include <QPointer>

#include <functional>

class QWidget;
class frmToolBox;

// Toolbox windows of Qt over the game window.
class QtToolboxHost : public ToolboxHost {
 public:
  // gameWindow: the window the toolboxes float over; refreshScreen
  // repaints it.
  QtToolboxHost(QWidget* gameWindow, std::function<void()> refreshScreen);
  std::unique_ptr<ToolboxWindow> CreateToolbox(Editor& editor) override;

 private:
  QWidget* gameWindow_;
  std::function<void()> refreshScreen_;
};

// The toolbox window frmToolBox as the editor uses it; letting it go
// closes the window once the running event has ended.
class QtToolboxWindow : public ToolboxWindow {
 public:
  QtToolboxWindow(Editor& editor, QWidget* gameWindow, std::function<void()> refreshScreen);
  ~QtToolboxWindow() override;

  void ShowWindow() override;
  void HideWindow() override;
  bool Shown() const override;
  void SetTopmost(bool topmost) override;
  void Repaint() override;
  MenuItem* PopupMenu(MenuItem& menu) override;

  frmToolBox* Widget() const;

 private:
  Editor& editor_;
  QPointer<frmToolBox> widget_;
  bool placed_ = false;
};
