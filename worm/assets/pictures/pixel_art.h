// Pixel art written as text: one character per pixel, colours from the palette.
#pragma once

#include "palette.h"

#include <QImage>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <vector>

struct PixelArt
{
    std::vector<std::string> rows;
    int width() const { return rows.empty() ? 0 : int(rows.front().size()); }
    int height() const { return int(rows.size()); }
};

// Dark, middle and light colour that the digits 1, 2, 3 of an art stand for.
using Shades = std::array<char, 3>;

class ArtBook
{
public:
    // Reads blocks of "art NAME" followed by equally long rows; "#" lines are comments.
    bool load(const QString& path, QString* error);
    // The art of that name; a missing one throws std::runtime_error naming it.
    const PixelArt& art(const std::string& name) const;

private:
    std::map<std::string, PixelArt> m_arts;
};

// Draws art at (left, top) of image; "." pixels are left as they are.
void drawArt(QImage& image, const PixelArt& art, int left, int top, const Palette& palette,
             const Shades& shades = {'d', 'm', 'l'});
