#include "pixel_art.h"

#include <QFile>
#include <QTextStream>
#include <stdexcept>

namespace {

bool finishArt(const std::string& name, const PixelArt& art, QString* error)
{
    if (name.empty())
        return true;
    for (const std::string& row : art.rows) {
        if (int(row.size()) != art.width()) {
            *error = QString("art %1: rows of different length").arg(QString::fromStdString(name));
            return false;
        }
    }
    if (art.rows.empty()) {
        *error = QString("art %1 is empty").arg(QString::fromStdString(name));
        return false;
    }
    return true;
}

} // namespace

bool ArtBook::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = "cannot read " + path;
        return false;
    }
    QTextStream in(&file);
    std::string name;
    PixelArt current;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith("art ")) {
            if (!finishArt(name, current, error))
                return false;
            if (!name.empty())
                m_arts[name] = current;
            name = line.mid(4).trimmed().toStdString();
            current = PixelArt();
            continue;
        }
        if (name.empty()) {
            *error = path + ": pixel rows before the first \"art\" line";
            return false;
        }
        current.rows.push_back(line.toStdString());
    }
    if (!finishArt(name, current, error))
        return false;
    if (!name.empty())
        m_arts[name] = current;
    return true;
}

const PixelArt& ArtBook::art(const std::string& name) const
{
    const auto found = m_arts.find(name);
    if (found == m_arts.end())
        throw std::runtime_error("no art named " + name);
    return found->second;
}

void drawArt(QImage& image, const PixelArt& art, int left, int top, const Palette& palette,
             const Shades& shades)
{
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            char legend = art.rows[y][x];
            if (legend == '.')
                continue;
            if (legend >= '1' && legend <= '3')
                legend = shades[legend - '1'];
            if (image.rect().contains(left + x, top + y))
                image.setPixel(left + x, top + y, palette.rgb(legend));
        }
    }
}
