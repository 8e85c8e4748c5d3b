#include "gif_writer.h"

#include <gif_lib.h>
#include <map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct IndexedImage
{
    std::vector<QRgb> colours;
    std::vector<GifByteType> pixels;
};

bool toIndexed(const QImage& image, IndexedImage* indexed)
{
    std::map<QRgb, int> index;
    indexed->pixels.reserve(size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xff000000u;
            auto found = index.find(colour);
            if (found == index.end()) {
                if (indexed->colours.size() == 256)
                    return false;
                found = index.emplace(colour, int(indexed->colours.size())).first;
                indexed->colours.push_back(colour);
            }
            indexed->pixels.push_back(GifByteType(found->second));
        }
    }
    return true;
}

// A data file every user can read: created with mode 0644, and a file that
// is already there gets that mode too.
int openReadableByAll(const QString& path)
{
    constexpr mode_t mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    if (fd >= 0 && ::fchmod(fd, mode) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

int tableSize(size_t colours)
{
    int size = 2;
    while (size_t(size) < colours)
        size *= 2;
    return size;
}

} // namespace

bool writeGif(const QImage& image, const QString& path, QString* error)
{
    IndexedImage indexed;
    if (!toIndexed(image, &indexed)) {
        *error = path + ": more than 256 colours";
        return false;
    }
    std::vector<GifColorType> table(size_t(tableSize(indexed.colours.size())), GifColorType{0, 0, 0});
    for (size_t i = 0; i < indexed.colours.size(); ++i)
        table[i] = GifColorType{GifByteType(qRed(indexed.colours[i])), GifByteType(qGreen(indexed.colours[i])),
                                GifByteType(qBlue(indexed.colours[i]))};

    const int fd = openReadableByAll(path);
    if (fd < 0) {
        *error = path + ": cannot be written";
        return false;
    }
    int status = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &status);
    if (!gif) {
        ::close(fd);
        *error = path + ": " + GifErrorString(status);
        return false;
    }
    ColorMapObject* map = GifMakeMapObject(int(table.size()), table.data());
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y)
        ok = EGifPutLine(gif, indexed.pixels.data() + size_t(y) * image.width(), image.width()) == GIF_OK;
    if (!ok)
        *error = path + ": " + GifErrorString(gif->Error);
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &status) != GIF_OK && ok) {
        *error = path + ": " + GifErrorString(status);
        ok = false;
    }
    return ok;
}
