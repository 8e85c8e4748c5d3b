#include "window/end_box_place.h"

#include <algorithm>

namespace {

// Room between the maps and the box.
constexpr int Gap = 8;

// The first coordinate from which length fits between low and high, as near
// to wanted as it can be.
int Clamped(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high - length + 1));
}

} // namespace

QPoint EndBoxPlace(const QRect& enemyFrame, const QRect& homeFrame, const QSize& box,
                   const QRect& screen)
{
    const QRect maps = enemyFrame.united(homeFrame);
    const int below = maps.bottom() + 1 + Gap;
    if (below + box.height() - 1 <= screen.bottom()) {
        const int centred = maps.center().x() - box.width() / 2;
        return {Clamped(centred, box.width(), screen.left(), screen.right()), below};
    }
    const int beside = maps.right() + 1 + Gap;
    return {Clamped(beside, box.width(), screen.left(), screen.right()),
            Clamped(maps.top(), box.height(), screen.top(), screen.bottom())};
}
