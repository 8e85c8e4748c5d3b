#include "overview.h"

#include "screen_fonts.h"

#include <QDir>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int Zoom = 5;
constexpr int Margin = 14;

const PictureFile* findFile(const std::vector<PictureFile>& files, const QString& name)
{
    const auto found = std::find_if(files.begin(), files.end(),
                                    [&](const PictureFile& file) { return file.name == name; });
    return found == files.end() ? nullptr : &*found;
}

// Cells of cellWidth x cellHeight, each enlarged and labelled with its index.
QImage enlargedCells(const QImage& sheet, int cellWidth, int cellHeight, int columns)
{
    const int count = (sheet.width() / cellWidth) * (sheet.height() / cellHeight);
    const int rows = (count + columns - 1) / columns;
    const int boxWidth = cellWidth * Zoom + 4, boxHeight = cellHeight * Zoom + Margin + 4;
    QImage out(columns * boxWidth, rows * boxHeight, QImage::Format_RGB32);
    out.fill(QColor(90, 90, 100));
    QPainter painter(&out);
    painter.setFont(boldFont(11));
    painter.setPen(Qt::white);
    const int sheetColumns = sheet.width() / cellWidth;
    for (int index = 0; index < count; ++index) {
        const QRect source((index % sheetColumns) * cellWidth, (index / sheetColumns) * cellHeight,
                           cellWidth, cellHeight);
        const QPoint box((index % columns) * boxWidth, (index / columns) * boxHeight);
        painter.drawText(box + QPoint(3, 12), QString::number(index));
        painter.drawImage(QRect(box + QPoint(2, Margin + 2), source.size() * Zoom), sheet, source);
    }
    return out;
}

QImage contactSheet(const std::vector<PictureFile>& files)
{
    const int columns = 4, boxWidth = 660, boxHeight = 520;
    const int rows = int(files.size() + columns - 1) / columns;
    QImage out(columns * boxWidth, rows * boxHeight, QImage::Format_RGB32);
    out.fill(QColor(60, 60, 70));
    QPainter painter(&out);
    painter.setFont(boldFont(14));
    painter.setPen(Qt::white);
    for (size_t i = 0; i < files.size(); ++i) {
        const QPoint box(int(i % columns) * boxWidth, int(i / columns) * boxHeight);
        const QImage& image = files[i].image;
        const int zoom = std::max(1, std::min(600 / image.width(), 480 / image.height()));
        painter.drawText(box + QPoint(8, 18), files[i].folder + "/" + files[i].name);
        painter.drawImage(QRect(box + QPoint(8, 26), image.size() * zoom), image);
    }
    return out;
}

bool save(const QImage& image, const QString& path, QString* error)
{
    if (image.save(path, "PNG"))
        return true;
    *error = "cannot write " + path;
    return false;
}

} // namespace

bool writeOverviews(const std::vector<PictureFile>& files, const QString& folder, QString* error)
{
    if (!QDir().mkpath(folder)) {
        *error = "cannot create " + folder;
        return false;
    }
    const PictureFile* blocks = findFile(files, "BuildClip.gif");
    const PictureFile* worm = findFile(files, "WormClip.gif");
    const PictureFile* font = findFile(files, "FontClip.gif");
    bool ok = true;
    if (blocks)
        ok = ok && save(enlargedCells(blocks->image, 12, 12, 10), folder + "/blocks.png", error);
    if (worm)
        ok = ok && save(enlargedCells(worm->image, 12, 12, 24), folder + "/worm.png", error);
    if (font)
        ok = ok && save(enlargedCells(font->image, 17, 34, 11), folder + "/font.png", error);
    for (const PictureFile& file : files) {
        const int zoom = file.image.width() < 320 ? 4 : file.image.width() < 700 && file.image.height() < 100 ? 2 : 1;
        ok = ok && save(file.image.scaled(file.image.size() * zoom), folder + "/" + file.name + ".png", error);
    }
    return ok && save(contactSheet(files), folder + "/pictures.png", error);
}
