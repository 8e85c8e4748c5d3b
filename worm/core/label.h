#pragma once

#include "core/surface.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class PictureBox;

enum class LabelAlignment { Left, Right, Center };

// A text control; it stands inside a picture box (Container) or, without
// one, on the game window. Its position is relative to the container.
class Label {
 public:
  // With AutoSize the label takes the size of its caption.
  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }
  QRect Rect() const { return {Left, Top, Width, Height}; }

  PictureBox* Container = nullptr;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = true;
  bool AutoSize = false;
  LabelAlignment Alignment = LabelAlignment::Left;
  QFont Font = MakeFont(QStringLiteral("Liberation Sans"), 8.25, false);
  QColor ForeColor = Qt::black;
  QColor BackColor = Qt::black;
  bool Transparent = true;

 private:
  QString caption_;
};
