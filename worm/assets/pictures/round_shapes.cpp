#include "round_shapes.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using PolarRule = std::function<char(double dx, double dy)>;

PixelArt fromRule(const PolarRule& rule)
{
    PixelArt art;
    for (int y = 0; y < 12; ++y) {
        std::string row;
        for (int x = 0; x < 12; ++x)
            row += rule(x + 0.5 - 6.0, y + 0.5 - 6.0);
        art.rows.push_back(row);
    }
    return art;
}

double turns(double dx, double dy)
{
    return (std::atan2(dy, dx) + std::numbers::pi) / (2 * std::numbers::pi);
}

} // namespace

PixelArt swirlArt(char core)
{
    return fromRule([core](double dx, double dy) {
        const double r = std::hypot(dx, dy);
        if (r > 5.9)
            return '.';
        if (r > 5.0)
            return 'k';
        if (r < 1.3)
            return core;
        const double arm = std::fmod(2 * turns(dx, dy) + r / 3.5, 1.0);
        return arm < 0.4 ? '3' : arm < 0.7 ? '2' : '1';
    });
}

PixelArt gratedExitArt()
{
    return fromRule([](double dx, double dy) {
        const double r = std::hypot(dx, dy);
        if (r > 5.9)
            return '.';
        if (r > 5.0)
            return 'k';
        if (r > 3.9)
            return dx + dy < 0 ? '2' : '1'; // lit from the top left
        if (r > 3.2)
            return 'k';
        const bool bar = std::abs(std::abs(dx) - 1.5) < 0.5 || std::abs(std::abs(dy) - 1.5) < 0.5;
        return bar ? (dx + dy < 0 ? 'l' : 'm') : 'e';
    });
}

PixelArt exitBurstArt()
{
    return fromRule([](double dx, double dy) {
        const double r = std::hypot(dx, dy);
        const double ray = std::fmod(8 * turns(dx, dy) + 0.5, 1.0);
        if (r > 4.3)
            return r < 6.2 && std::abs(ray - 0.5) < 0.22 ? (r < 5.3 ? '3' : 'w') : '.';
        if (r > 3.4)
            return 'k';
        if (r < 1.0)
            return 'w';
        const double arm = std::fmod(2 * turns(dx, dy) + r / 2.5, 1.0);
        return arm < 0.5 ? '3' : '2';
    });
}

PixelArt portalArt()
{
    return fromRule([](double dx, double dy) {
        const double r = std::hypot(dx * 1.25, dy);
        if (r > 6.0)
            return '.';
        if (r > 5.2)
            return 'k';
        if (r > 4.0)
            return '3';
        if (r > 2.9)
            return '2';
        if (r > 1.9)
            return '1';
        return dy < 0 ? 'w' : 'e';
    });
}

PixelArt spinnerArt()
{
    return fromRule([](double dx, double dy) {
        const double r = std::hypot(dx, dy);
        if (r > 5.9)
            return '.';
        if (r > 5.0 || r < 1.2)
            return 'k';
        static const char vanes[4] = {'r', 'y', 'g', 'u'};
        return vanes[int(std::floor(4 * std::fmod(turns(dx, dy) + r / 14.0, 1.0))) % 4];
    });
}

PixelArt turnedClockwise(const PixelArt& art, int quarters)
{
    PixelArt turned = art;
    for (int q = 0; q < quarters % 4; ++q) {
        PixelArt next = turned;
        const int size = turned.height();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                next.rows[y][x] = turned.rows[size - 1 - x][y];
        turned = next;
    }
    return turned;
}
