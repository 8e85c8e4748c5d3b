#include "message_pictures.h"

#include "screen_fonts.h"

namespace {

struct Message
{
    int block;
    const char* title;
    const char* detail;
};

// Message 1 keeps its right part free for the countdown digits at (155, 10).
const Message Messages[MessageCount] = {
    {9, "GET READY", "or press fire to start"},
    {52, "LIFE LOST", "try the track again"},
    {50, "TRACK COMPLETED", "press fire"},
    {21, "GAME OVER", "press fire"},
    {39, "TEST ENDED", "back to the editor"},
    {54, "GAME SAVED", "continue it from the menu"},
    {10, "NO DATABASE", "choose one in the editor"},
    {51, "NO SAVED GAME", "start a new game"},
};

QFont fitted(const QString& text, int size, int width)
{
    QFont font = boldFont(size);
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pixelSize() > 8)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace

QImage makeMessagePicture(const ScreenStyle& style, int number)
{
    const Message& message = Messages[number - 1];
    QImage image(200, 50, QImage::Format_RGB32);
    QPainter painter(&image);
    style.panel(painter, image.rect());
    painter.fillRect(QRect(9, 12, 26, 26), style.colour('k'));
    style.drawBlock(painter, QPoint(10, 13), message.block, 2);
    const int textRight = number == 1 ? 146 : 192;
    const QRect textBox(42, 7, textRight - 42, 36);
    style.outlinedText(painter, textBox.adjusted(0, 0, 0, -16), Qt::AlignHCenter | Qt::AlignVCenter, message.title,
                       fitted(message.title, 16, textBox.width()), 'y', 1);
    style.plainText(painter, textBox.adjusted(0, 22, 0, 0), Qt::AlignHCenter | Qt::AlignVCenter, message.detail,
                    fitted(message.detail, 10, textBox.width()), 'l');
    if (number == 1)
        style.recess(painter, QRect(150, 7, 42, 36));
    return image;
}
