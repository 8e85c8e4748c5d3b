#include "cursor_writer.h"

#include <QByteArray>
#include <QFile>

namespace {

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, int(value & 0xffff));
    put16(out, int(value >> 16));
}

QByteArray colourRows(const QImage& image)
{
    QByteArray out;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool opaque = qAlpha(pixel) >= 128;
            out.append(char(opaque ? qBlue(pixel) : 0));
            out.append(char(opaque ? qGreen(pixel) : 0));
            out.append(char(opaque ? qRed(pixel) : 0));
            out.append(char(opaque ? 255 : 0));
        }
    }
    return out;
}

// One bit per pixel, rows padded to 32 bits; a set bit lets the screen show through.
QByteArray maskRows(const QImage& image)
{
    const int rowBytes = ((image.width() + 31) / 32) * 4;
    QByteArray out;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

bool writeCursor(const QImage& image, QPoint hotSpot, const QString& path, QString* error)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray colours = colourRows(argb);
    const QByteArray mask = maskRows(argb);
    const int headerSize = 40;
    const quint32 imageBytes = quint32(headerSize + colours.size() + mask.size());

    QByteArray out;
    put16(out, 0);                  // reserved
    put16(out, 2);                  // resource type: cursor
    put16(out, 1);                  // one image
    out.append(char(argb.width()));
    out.append(char(argb.height()));
    out.append(char(0));            // no colour table
    out.append(char(0));
    put16(out, hotSpot.x());
    put16(out, hotSpot.y());
    put32(out, imageBytes);
    put32(out, 6 + 16);             // the image follows the directory
    put32(out, headerSize);
    put32(out, quint32(argb.width()));
    put32(out, quint32(argb.height() * 2)); // colour rows and mask rows
    put16(out, 1);                  // planes
    put16(out, 32);                 // bits per pixel
    put32(out, 0);                  // uncompressed
    put32(out, quint32(colours.size() + mask.size()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    out.append(colours);
    out.append(mask);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}
