#include "worm_sheet.h"

#include "ground_tiles.h"
#include "round_shapes.h"

#include <QPainter>
#include <cmath>

namespace {


constexpr double HalfWidth = 4.0;
constexpr double HeadHalfWidth = 4.8;

// Half width of the worm at a distance `along` ahead of the cell centre.
double halfWidthAt(WormPart part, double along)
{
    switch (part) {
    case WormPart::Head:
        if (along <= -3.0)
            return HalfWidth;
        return along <= 0 ? HeadHalfWidth
                          : along < HeadHalfWidth ? std::sqrt(HeadHalfWidth * HeadHalfWidth - along * along) : -1;
    case WormPart::Tail:
        return along >= 0 ? HalfWidth : HalfWidth * (1 + along / 5.5);
    case WormPart::Body:
        break;
    }
    return HalfWidth;
}

struct Axes
{
    double vx, vy; // forward
    double along(double px, double py) const { return px * vx + py * vy; }
    double across(double px, double py) const { return px * -vy + py * vx; }
};

char bodyPixel(WormPart part, const Axes& axes, double px, double py)
{
    const double along = axes.along(px, py);
    const double distance = std::abs(axes.across(px, py));
    const double width = halfWidthAt(part, along);
    if (width <= 0 || distance > width)
        return '.';
    const bool ring = part != WormPart::Head && std::fmod(along + 60.5, 6.0) < 1.0;
    const double t = distance / width;
    return distance > width - 0.9 ? 'k' : t > 0.55 || ring ? 'G' : t > 0.22 ? 'g' : 'h';
}

// Two eyes of about 2 x 2 white pixels, the pupil in the front inner corner.
void drawEyes(PixelArt& art, const Axes& axes)
{
    for (double side : {-2.0, 2.0}) {
        const double ex = 6 + 1.0 * axes.vx - side * axes.vy;
        const double ey = 6 + 1.0 * axes.vy + side * axes.vx;
        int pupilX = -1, pupilY = -1;
        double best = -1e9;
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                if (std::hypot(x + 0.5 - ex, y + 0.5 - ey) >= 0.95)
                    continue;
                art.rows[y][x] = 'w';
                const double px = x + 0.5 - 6, py = y + 0.5 - 6;
                const double score = axes.along(px, py) - 0.1 * std::abs(axes.across(px, py));
                if (score > best) {
                    best = score;
                    pupilX = x;
                    pupilY = y;
                }
            }
        }
        if (pupilX >= 0)
            art.rows[pupilY][pupilX] = 'k';
    }
}

// Moving up (straight) or up-right (diagonal); other directions are turns of these.
PixelArt basePart(WormPart part, bool diagonal)
{
    const double s = std::sqrt(0.5);
    const Axes axes = diagonal ? Axes{s, -s} : Axes{0.0, -1.0};
    PixelArt art;
    for (int y = 0; y < 12; ++y) {
        std::string row;
        for (int x = 0; x < 12; ++x)
            row += bodyPixel(part, axes, x + 0.5 - 6.0, y + 0.5 - 6.0);
        art.rows.push_back(row);
    }
    if (part == WormPart::Head)
        drawEyes(art, axes);
    return art;
}

} // namespace

PixelArt wormPartArt(WormPart part, int direction)
{
    // Directions 1 (up) and 2 (up-right) turned a quarter at a time give the rest.
    const bool diagonal = direction % 2 == 0;
    const int quarters = diagonal ? ((direction - 2 + 8) % 8) / 2 : (direction - 1) / 2;
    return turnedClockwise(basePart(part, diagonal), quarters);
}

QImage makeWormSheet(const Palette& palette)
{
    QImage sheet(WormSheetColumns * CellSize, WormSheetRows * CellSize, QImage::Format_RGB32);
    QPainter painter(&sheet);
    const WormPart parts[3] = {WormPart::Head, WormPart::Body, WormPart::Tail};
    for (int group = 0; group < GroundGroupCount; ++group) {
        const QImage ground = groundTile(GroupGrounds[group], palette);
        for (int part = 0; part < 3; ++part) {
            for (int direction = 0; direction < WormSheetColumns; ++direction) {
                QImage cell = ground;
                drawArt(cell, wormPartArt(parts[part], direction), 0, 0, palette);
                painter.drawImage(direction * CellSize, (group * 3 + part) * CellSize, cell);
            }
        }
    }
    return sheet;
}
