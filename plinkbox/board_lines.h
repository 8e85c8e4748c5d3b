#pragma once

#include <QWidget>

#include "win_tests.h"

// The column separators, the board's bottom line and the red line through a
// four, drawn over the cells.
class BoardLines : public QWidget {
  Q_OBJECT

 public:
  explicit BoardLines(QWidget* parent);
  void SetWinnerLine(const WinnerLine& line);
  // Ends of the red line in the window, at the centres of its end cells.
  static QPoint CellCentre(int cell);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  WinnerLine winnerLine_;
};
