#include "core/label.h"

#include <QFontMetrics>

void Label::SetCaption(const QString& caption) {
  caption_ = caption;
  if (!AutoSize) return;
  const QFontMetrics metrics(Font);
  Width = metrics.horizontalAdvance(caption_);
  Height = metrics.height();
}
