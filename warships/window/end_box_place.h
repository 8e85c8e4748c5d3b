#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the top-left corner of a box of the given outer size goes so that it
// covers neither map's frame: centred under both maps, or beside them when
// the screen has no room below; always on the screen as far as it fits.
QPoint EndBoxPlace(const QRect& enemyFrame, const QRect& homeFrame, const QSize& box,
                   const QRect& screen);
