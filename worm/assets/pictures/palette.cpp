#include "palette.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <stdexcept>
#include <string>

bool Palette::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = "cannot read " + path;
        return false;
    }
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        bool ok = false;
        const uint value = parts.size() >= 2 ? parts[1].toUInt(&ok, 16) : 0;
        if (!ok || parts[0].size() != 1 || parts[1].size() != 6) {
            *error = QString("%1:%2: expected \"char rrggbb name\"").arg(path).arg(lineNumber);
            return false;
        }
        m_colours[parts[0][0].toLatin1()] = QColor::fromRgb(0xff000000u | value);
    }
    return true;
}

QColor Palette::colour(char legend) const
{
    const auto found = m_colours.find(legend);
    if (found == m_colours.end())
        throw std::runtime_error(std::string("the palette has no colour '") + legend + "'");
    return found->second;
}
