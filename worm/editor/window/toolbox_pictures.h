#pragma once

#include <QImage>
#include <QPixmap>

// The pictures of the toolbox: toolbar icons, the sixteen head pictures
// of the Direction page and the pictures of the pages.

// The icon of toolbar button n (1..60): our own 12 x 12 pictures for the
// tools and commands, the block's sheet cell for a block; none for the
// separator and the unused button.
QPixmap ToolbarIcon(int n, const QImage& blockSheet);

// Head picture i of pcpHeads (0..15): the worm's head looking in direction
// i mod 8, on a highlighted field for 8..15; twice the sheet's size.
QPixmap HeadPicture(int i, const QImage& wormSheet);

// The page pictures, by role.
enum class PagePicture { TrackNumber, DirectionCross, WormDirection, Database, DefDB };
QPixmap PagePixmap(PagePicture picture, const QImage& blockSheet, const QImage& wormSheet);
