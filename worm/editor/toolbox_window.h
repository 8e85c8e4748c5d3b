#pragma once

#include <memory>

class Editor;
struct MenuItem;

// The toolbox as a window on the desktop; it shows the editor's
// ToolboxModel and hands the user's actions to the editor.
class ToolboxWindow {
 public:
  virtual ~ToolboxWindow() = default;

  // Shows the window topmost, without moving or resizing it.
  virtual void ShowWindow() = 0;
  virtual void HideWindow() = 0;
  virtual bool Shown() const = 0;
  // Topmost (above all normal windows) or a normal window again, unmoved.
  virtual void SetTopmost(bool topmost) = 0;
  // Shows the controls as the model holds them now.
  virtual void Repaint() = 0;
  // Opens menu as a popup at the mouse and waits for the choice; the item
  // chosen, or none.
  virtual MenuItem* PopupMenu(MenuItem& menu) = 0;
};

// Makes the toolbox window of an editor; each entry into the editor makes
// a new one.
class ToolboxHost {
 public:
  virtual ~ToolboxHost() = default;
  virtual std::unique_ptr<ToolboxWindow> CreateToolbox(Editor& editor) = 0;
};
