#include "choice_items.h"
#include "core/block_codes.h"
#include "screen_fonts.h"
#include "screen_pictures.h"

namespace {

const QSize PlayAreaSize(636, 444);

struct Entry
{
    int block;
    const char* first;
    const char* second;
};

const Entry BlockEntries[] = {
    {Blocks::Apple, "Food: eat all of it", "and the exits open"},
    {Blocks::OpenExit, "Open exit: drive in", "to finish the track"},
    {Blocks::YellowKey, "A key opens one door", "of its own colour"},
    {Blocks::Water, "Water wears the shield", "unless you wear scuba gear"},
    {Blocks::Lava, "Lava burns the shield", "unless you wear lava shoes"},
    {Blocks::GreenPortal, "A portal sends you", "to its partner"},
    {Blocks::Ice, "Ice slides: steering", "comes a step late"},
    {Blocks::OnewayRight, "One-way: pass only", "in the arrow's way"},
    {Blocks::Spinner, "A spinner turns you", "any free way"},
    {Blocks::WallSoft, "Soft walls break", "when you hit them"},
    {Blocks::WallHard, "Hard walls bounce you", "and cost shield"},
    {Blocks::IncSpeed, "Speed grounds make", "you faster or slower"},
    {Blocks::Reverse, "Reverse ground turns", "your steering round"},
    {Blocks::Parking, "Parking stops you;", "fire drives on"},
    {Blocks::Popcorn, "Popcorn scatters", "new food around"},
    {Blocks::Mushroom, "A mushroom costs", "shield: keep away"},
};

const Entry BonusEntries[] = {
    {BlockPictures::ExtraLife, "An extra life", ""},
    {BlockPictures::Shield, "Shield + 2", ""},
    {BlockPictures::BreakingPads, "Breaking pads + 3", ""},
    {BlockPictures::OpenExits, "Exits open a while", ""},
    {BlockPictures::ShorterWorm, "A shorter worm", ""},
};

void drawEntry(QPainter& painter, const ScreenStyle& style, const Entry& entry, QPoint at)
{
    painter.fillRect(QRect(at - QPoint(1, 1), QSize(26, 26)), style.colour('k'));
    style.drawBlock(painter, at, entry.block, 2);
    const QFont font = boldFont(11);
    if (*entry.second == 0) {
        style.plainText(painter, QRect(at.x() + 30, at.y(), 160, 24), Qt::AlignLeft | Qt::AlignVCenter,
                        entry.first, font, 'w');
        return;
    }
    style.plainText(painter, QRect(at.x() + 30, at.y() - 1, 170, 13), Qt::AlignLeft | Qt::AlignVCenter, entry.first,
                    font, 'w');
    style.plainText(painter, QRect(at.x() + 30, at.y() + 12, 170, 13), Qt::AlignLeft | Qt::AlignVCenter,
                    entry.second, plainFont(11), 'l');
}

void heading(QPainter& painter, const ScreenStyle& style, const QRect& panel, const QString& text)
{
    style.outlinedText(painter, QRect(panel.left(), panel.top() + 8, panel.width(), 16), Qt::AlignCenter, text,
                       boldFont(14), 'y', 1);
}

void drawKeyCap(QPainter& painter, const ScreenStyle& style, const QRect& cap, const QString& key)
{
    painter.fillRect(cap, style.colour('k'));
    painter.fillRect(cap.adjusted(1, 1, -1, -1), style.colour('m'));
    painter.fillRect(cap.adjusted(1, 1, -2, -3), style.colour('l'));
    style.plainText(painter, cap.adjusted(0, 0, 0, -2), Qt::AlignCenter, key, boldFont(12), 'k');
}

void drawSteering(QPainter& painter, const ScreenStyle& style, const QRect& panel)
{
    style.panel(painter, panel);
    heading(painter, style, panel, "STEERING");
    const char* keys[3][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}};
    const QPoint pad(panel.left() + 16, panel.top() + 32);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            drawKeyCap(painter, style, QRect(pad + QPoint(column * 26, row * 24), QSize(24, 22)), keys[row][column]);
    drawKeyCap(painter, style, QRect(pad + QPoint(0, 72), QSize(50, 22)), "0");
    drawKeyCap(painter, style, QRect(pad + QPoint(52, 72), QSize(24, 22)), "+");
    const int textLeft = pad.x() + 86;
    const char* lines[] = {"8 6 2 4 and", "7 9 3 1 steer", "5 pauses", "0 brakes", "(uses a pad)", "+ is turbo"};
    for (int i = 0; i < 6; ++i)
        style.plainText(painter, QRect(textLeft, pad.y() + i * 16, 100, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        lines[i], boldFont(11), i == 4 ? 'l' : 'w');
    style.plainText(painter, QRect(panel.left() + 10, pad.y() + 100, panel.width() - 20, 32),
                    Qt::AlignHCenter | Qt::TextWordWrap, "or a joystick: button 1 brakes, 2 pauses, 4 is turbo",
                    plainFont(11), 'l');
}

// A panel of entries in columns of `perColumn`, 200 pixels apart.
template <size_t N>
void drawEntries(QPainter& painter, const ScreenStyle& style, const QRect& panel, const QString& title,
                 const Entry (&entries)[N], size_t perColumn, int rowHeight)
{
    style.panel(painter, panel);
    heading(painter, style, panel, title);
    for (size_t i = 0; i < N; ++i)
        drawEntry(painter, style, entries[i],
                  QPoint(panel.left() + 12 + int(i / perColumn) * 200, panel.top() + 32 + int(i % perColumn) * rowHeight));
}

} // namespace

ScreenPictures makeInfoPictures(const ScreenStyle& style)
{
    const std::vector<ChoiceItem> items = {{QRect(504, 390, 108, 33), QPoint(0, 0), "OK", {}}};
    const ScreenLayout layout{PlayAreaSize, 0, 2, 170, "HOW TO PLAY", QRect(0, 4, 636, 42), 34};
    return makeChoiceScreen(style, layout, items, [&](QPainter& painter) {
        drawSteering(painter, style, QRect(8, 52, 204, 196));
        drawEntries(painter, style, QRect(218, 52, 410, 330), "BLOCKS", BlockEntries, 8, 37);
        drawEntries(painter, style, QRect(8, 254, 204, 182), "HIDDEN BONUSES", BonusEntries, 5, 29);
        style.outlinedText(painter, QRect(222, 388, 276, 18), Qt::AlignLeft | Qt::AlignVCenter,
                           "Eat all the food, then drive", boldFont(13), 'y', 1);
        style.outlinedText(painter, QRect(222, 406, 276, 18), Qt::AlignLeft | Qt::AlignVCenter,
                           "into an open exit. Good luck!", boldFont(13), 'y', 1);
    });
}
