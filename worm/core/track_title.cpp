#include "core/track_title.h"

#include "core/frm_worm.h"

#include <QFontDatabase>

#include <cmath>

namespace {

constexpr int PlayFieldWidth = 636;
constexpr int TitleTop = -1;

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
  return MakeFont(TitleFamily(), 8.25, true);
}

QString TrackTitleText(const QString& name) {
  return QStringLiteral("> > > ") + name + QStringLiteral(" < < <");
}

int TrackTitleLeft(int width) {
  return static_cast<int>(std::nearbyint((PlayFieldWidth - width) / 2.0));
}

void DrawTrackTitle(frmWorm& form, Surface& surface, const QString& name) {
  const QString text = TrackTitleText(name);
  form.lbldummy.SetCaption(text);
  surface.TextOut(TrackTitleLeft(form.lbldummy.Width), TitleTop, text);
}
