#pragma once

#include <QWidget>

// The main window's drawing area, 580 x 380 below the menu: it shows the
// window surface as the game has drawn it.
class DrawingArea : public QWidget {
 public:
  explicit DrawingArea(QWidget* parent);

  // Repaints the parts of the window surface that changed since it last
  // looked, and nothing else.
  void ShowChanges();

 protected:
  void paintEvent(QPaintEvent* event) override;
};
