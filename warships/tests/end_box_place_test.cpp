#include "window/end_box_place.h"

#include <gtest/gtest.h>

namespace {

// The two maps side by side at the top of the screen, as the game puts them.
const QRect Enemy{0, 0, 323, 262};
const QRect Home{323, 0, 323, 263};

TEST(EndBoxPlace, ClearOfBothMapsAndOnTheScreen)
{
    const struct {
        const char* what;
        QRect enemy, home;
        QSize box;
        QRect screen;
        QPoint expected;
        bool clearOfMaps;
    } cases[] = {
        {"centred under both maps", Enemy, Home, {196, 92}, {0, 0, 1024, 768}, {224, 271}, true},
        {"a wide box starts at the screen's left edge", Enemy, Home, {900, 92}, {0, 0, 1024, 768}, {0, 271}, true},
        {"a wide box ends at the screen's right edge", Enemy.translated(300, 0), Home.translated(300, 0),
         {900, 92}, {0, 0, 1024, 768}, {124, 271}, true},
        {"no room below: beside the home map", Enemy, Home, {196, 92}, {0, 0, 1024, 300}, {654, 0}, true},
        {"no room at all: kept on the screen", Enemy, Home, {196, 92}, {0, 0, 700, 300}, {504, 0}, false},
    };
    for (const auto& c : cases) {
        const QPoint place = EndBoxPlace(c.enemy, c.home, c.box, c.screen);
        EXPECT_EQ(place, c.expected) << c.what;
        const QRect box(place, c.box);
        EXPECT_TRUE(c.screen.contains(box)) << c.what;
        EXPECT_EQ(!box.intersects(c.enemy) && !box.intersects(c.home), c.clearOfMaps) << c.what;
    }
}

} // namespace
