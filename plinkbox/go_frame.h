#pragma once

#include <QWidget>

#include "game.h"

// A frame whose border and red "GO" caption show only with border style 1.
class GoFrame : public QWidget {
  Q_OBJECT

 public:
  explicit GoFrame(QWidget* parent);
  void SetBorderStyle(int borderStyle);
  int BorderStyle() const { return borderStyle_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int borderStyle_ = kBorderHidden;
};
