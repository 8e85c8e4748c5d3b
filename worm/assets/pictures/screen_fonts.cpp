#include "screen_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

QString boldFamily;
QString plainFamily;
QString narrowFamily;

bool addFont(const QString& path, QString* family, QString* error)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        *error = "cannot load the font " + path;
        return false;
    }
    *family = families.front();
    return true;
}

QFont font(const QString& family, int pixelSize, bool bold)
{
    QFont result(family);
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setHintingPreference(QFont::PreferFullHinting);
    return result;
}

} // namespace

bool loadScreenFonts(QString* error)
{
    const QString dejavu = "/usr/share/fonts/truetype/dejavu/";
    return addFont(dejavu + "DejaVuSans-Bold.ttf", &boldFamily, error)
           && addFont(dejavu + "DejaVuSans.ttf", &plainFamily, error)
           && addFont(dejavu + "DejaVuSansCondensed-Bold.ttf", &narrowFamily, error);
}

QFont boldFont(int pixelSize)
{
    return font(boldFamily, pixelSize, true);
}

QFont plainFont(int pixelSize)
{
    return font(plainFamily, pixelSize, false);
}

QFont narrowBoldFont(int pixelSize)
{
    QFont result = font(narrowFamily, pixelSize, true);
    result.setStretch(QFont::Condensed);
    return result;
}
