#include "headline_pictures.h"

#include "screen_fonts.h"

namespace {

constexpr int Width = 636;
constexpr int Height = 36;
constexpr int ItemTop = 18;

QImage emptyHeadline(const ScreenStyle& style, const QString& subtitle)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(style.colour('e'));
    QPainter painter(&image);
    painter.fillRect(0, 0, Width, 1, style.colour('d'));
    painter.fillRect(0, Height - 2, Width, 1, style.colour('Y'));
    painter.fillRect(0, Height - 1, Width, 1, style.colour('k'));
    style.titleText(painter, QRect(6, 2, 110, 22), Qt::AlignLeft | Qt::AlignVCenter, "VORA", boldFont(21));
    if (!subtitle.isEmpty())
        style.plainText(painter, QRect(8, 24, 110, 10), Qt::AlignLeft | Qt::AlignVCenter, subtitle, boldFont(8),
                        'l');
    return image;
}

void caption(QPainter& painter, const ScreenStyle& style, int left, int right, const QString& text)
{
    style.plainText(painter, QRect(left - 10, 3, right - left + 20, 12), Qt::AlignHCenter | Qt::AlignVCenter, text,
                    boldFont(9), 'l');
}

// A slot for a picture of one block, with the picture in it.
void pictureSlot(QPainter& painter, const ScreenStyle& style, int left, int code)
{
    style.recess(painter, QRect(left - 1, ItemTop - 1, 14, 14));
    style.drawBlock(painter, QPoint(left, ItemTop), code, 1);
}

// The trough around a status bar of 96 x 12 at (left, 18).
void barTrough(QPainter& painter, const ScreenStyle& style, int left)
{
    style.recess(painter, QRect(left - 2, ItemTop - 2, 100, 16));
}

void keyEntry(QPainter& painter, const ScreenStyle& style, int labelLeft, int keyCode)
{
    pictureSlot(painter, style, labelLeft - 14, keyCode);
    style.recess(painter, QRect(labelLeft - 1, ItemTop - 2, 20, 16));
}

} // namespace

QImage makePlayHeadline(const ScreenStyle& style)
{
    QImage image = emptyHeadline(style, "THE WORM GAME");
    QPainter painter(&image);

    caption(painter, style, 123, 155, "LIVES");
    style.recess(painter, QRect(123, ItemTop - 2, 32, 16));

    caption(painter, style, 160, 188, "GEAR");
    style.recess(painter, QRect(160, ItemTop - 1, 14, 14));
    style.recess(painter, QRect(175, ItemTop - 1, 14, 14));

    caption(painter, style, 206, 306, "SHIELD");
    barTrough(painter, style, 208);

    caption(painter, style, 312, 418, "KEYS");
    keyEntry(painter, style, 326, 11);
    keyEntry(painter, style, 361, 12);
    keyEntry(painter, style, 396, 13);

    caption(painter, style, 428, 528, "BREAKING PADS");
    barTrough(painter, style, 430);

    caption(painter, style, 530, 617, "HIDDEN BONUS");
    style.recess(painter, QRect(530, ItemTop - 2, 20, 16));
    style.recess(painter, QRect(551, ItemTop - 1, 66, 14));
    for (int slot = 0; slot < 5; ++slot)
        style.drawBlock(painter, QPoint(552 + 13 * slot, ItemTop), 5, 1);
    return image;
}

QImage makeEditorHeadline(const ScreenStyle& style)
{
    QImage image = emptyHeadline(style, "TRACK EDITOR");
    QPainter painter(&image);
    struct Key
    {
        const char* key;
        const char* action;
    };
    const Key rows[2][4] = {{{"F1", "TEST"}, {"F2", "GRID"}, {"F6", "SAVE"}, {"CTRL", "TOOLBOX"}},
                            {{"U", "UNDO"}, {"R", "REDO"}, {"RIGHT CLICK", "MENU"}, {nullptr, nullptr}}};
    const QFont keyFont = boldFont(9);
    const QFontMetrics metrics(keyFont);
    for (int row = 0; row < 2; ++row) {
        int x = 130;
        const int top = 2 + row * 16;
        for (const Key& key : rows[row]) {
            if (!key.key)
                break;
            const int keyWidth = metrics.horizontalAdvance(key.key) + 10;
            const QRect cap(x, top, keyWidth, 14);
            painter.fillRect(cap, style.colour('k'));
            painter.fillRect(cap.adjusted(1, 1, -1, -1), style.colour('m'));
            painter.fillRect(cap.adjusted(1, 1, -2, -2), style.colour('l'));
            style.plainText(painter, cap, Qt::AlignCenter, key.key, keyFont, 'k');
            const int actionWidth = metrics.horizontalAdvance(key.action);
            style.plainText(painter, QRect(x + keyWidth + 5, top, actionWidth + 4, 14),
                            Qt::AlignLeft | Qt::AlignVCenter, key.action, keyFont, 'y');
            x += keyWidth + actionWidth + 44;
        }
    }
    return image;
}
