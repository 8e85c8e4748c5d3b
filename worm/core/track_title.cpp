#include "core/track_title.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

constexpr int PlayFieldWidth = 636;
constexpr int TitleTop = -1;
constexpr int TitlePixelSize = 11;
const QColor TitleColour(255, 255, 160);

QString TitleFamily() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QStringLiteral("Liberation Sans") : families.first();
  }();
  return family;
}

}  // namespace

QFont TitleFont() {
  QFont font(TitleFamily());
  font.setPixelSize(TitlePixelSize);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

QString TrackTitleText(const QString& name) {
  return QStringLiteral("> > > ") + name + QStringLiteral(" < < <");
}

int TrackTitleLeft(int width) {
  return static_cast<int>(std::lrint((PlayFieldWidth - width) / 2.0));
}

void DrawTrackTitle(QImage& surface, const QString& name) {
  const QString text = TrackTitleText(name);
  const QFont font = TitleFont();
  QPainter painter(&surface);
  painter.setFont(font);
  const QFontMetrics metrics = painter.fontMetrics();
  painter.setPen(TitleColour);
  painter.drawText(TrackTitleLeft(metrics.horizontalAdvance(text)), TitleTop + metrics.ascent(),
                   text);
}
