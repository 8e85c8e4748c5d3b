// The one colour palette of every worm picture, read from art/palette.txt.
#pragma once

#include <QColor>
#include <QString>
#include <map>

class Palette
{
public:
    // Reads "char rrggbb name" lines; returns false with a message on bad input.
    bool load(const QString& path, QString* error);

    // The colour of a legend character; an unknown one throws std::runtime_error
    // naming it, which the generator reports.
    QColor colour(char legend) const;
    QRgb rgb(char legend) const { return colour(legend).rgb(); }

private:
    std::map<char, QColor> m_colours;
};
