#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "game.h"

// A numbered arrow above a column; a disk dropped on it goes into that column.
class ArrowTarget : public QWidget {
  Q_OBJECT

 public:
  ArrowTarget(int column, const QPixmap& picture, QWidget* parent);
  int column() const { return column_; }
  // The keyboard's choice of column, outlined in the colour of the side to move.
  void SetMark(const QColor& colour);
  void ClearMark();
  // The colour of the keyboard's mark; invalid while the arrow has none.
  const QColor& Mark() const { return mark_; }

 signals:
  void DragDrop(int column, Disk disk);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int column_;
  QPixmap picture_;
  QColor mark_;
};
