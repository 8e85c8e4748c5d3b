#include "overview.h"

#include "core/block_codes.h"
#include "font_sheet.h"
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

QImage sheetCell(const QImage& sheet, int index, int columns)
{
    return sheet.copy((index % columns) * 12, (index / columns) * 12, 12, 12);
}

// The play screen as the game composes it: headline with the gear and a full
// bonus row, frame, a few blocks, a worm and a title in the frame's font.
QImage playSample(const std::vector<PictureFile>& files)
{
    const QImage blocks = findFile(files, "BuildClip.gif")->image;
    const QImage worm = findFile(files, "WormClip.gif")->image;
    QImage field = findFile(files, "Playfield.gif")->image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&field);
    for (int code = 0; code < 60; ++code)
        painter.drawImage(12 * (2 + (code % 20) * 2), 12 * (2 + (code / 20) * 3), sheetCell(blocks, code, 10));
    for (int ground = 0; ground < GroundGroupCount; ++ground) {
        const int y = 12 * (12 + ground * 2);
        for (int x = 2; x < 50; ++x)
            painter.drawImage(12 * x, y, sheetCell(blocks, GroupGrounds[ground], 10));
        painter.drawImage(12 * 4, y, sheetCell(worm, ground * 24 + 16 + 3, 8));
        for (int x = 5; x < 9; ++x)
            painter.drawImage(12 * x, y, sheetCell(worm, ground * 24 + 8 + 3, 8));
        painter.drawImage(12 * 9, y, sheetCell(worm, ground * 24 + 3, 8));
        painter.drawImage(12 * 20, y, sheetCell(worm, ground * 24 + 2, 8));
        painter.drawImage(12 * 19, y + 12, sheetCell(worm, ground * 24 + 8 + 2, 8));
    }
    QFont title("Liberation Sans");
    title.setPointSizeF(8.25);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, -1, 636, 14), Qt::AlignHCenter | Qt::AlignTop, "> > > First Steps < < <");
    painter.end();
    QImage screen(640, 480, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QPainter composer(&screen);
    composer.drawImage(2, 0, findFile(files, "PlayHead.bmp")->image);
    composer.drawImage(2 + 161, 18, sheetCell(blocks, Blocks::ScubaGear, 10));
    composer.drawImage(2 + 176, 18, sheetCell(blocks, Blocks::Lavashoes, 10));
    const int bonuses[] = {BlockPictures::ExtraLife, BlockPictures::OpenExits, BlockPictures::ShorterWorm,
                           BlockPictures::Shield, BlockPictures::BreakingPads};
    for (int slot = 0; slot < 5; ++slot)
        composer.drawImage(2 + 552 + 13 * slot, 18, sheetCell(blocks, bonuses[slot], 10));
    composer.drawImage(2, 36, field);
    return screen.scaled(1280, 960);
}

// Every block that lies on a track, set on each of the twelve grounds with
// that ground between and around them.
QImage groundsSample(const QImage& blocks)
{
    std::vector<int> codes;
    for (int code = 0; code < 60; ++code)
        if (!IsGroundCode(code) && ClassOf(BlockCode(code)) != BlockClass::Unused && code != Blocks::HiddenBonus)
            codes.push_back(code);
    const int perRow = 20, bandWidth = 2 * perRow + 1, bandHeight = 5, columns = 2;
    QImage out(columns * bandWidth * 12, (GroundGroupCount / columns) * bandHeight * 12, QImage::Format_RGB32);
    QPainter painter(&out);
    for (int group = 0; group < GroundGroupCount; ++group) {
        const QPoint band((group % columns) * bandWidth * 12, (group / columns) * bandHeight * 12);
        for (int y = 0; y < bandHeight; ++y)
            for (int x = 0; x < bandWidth; ++x)
                painter.drawImage(band + QPoint(12 * x, 12 * y), sheetCell(blocks, GroupGrounds[group], 10));
        for (size_t i = 0; i < codes.size(); ++i)
            painter.drawImage(band + QPoint(12 * (1 + 2 * int(i % perRow)), 12 * (1 + 2 * int(i / perRow))),
                              sheetCell(blocks, codes[i], 10));
    }
    painter.end();
    return out.scaled(out.size() * 2);
}

// The high-score table written with the bitmap font: destination AND mask, then XOR glyph.
QImage highScoreSample(const std::vector<PictureFile>& files)
{
    const QImage font = findFile(files, "FontClip.gif")->image.convertToFormat(QImage::Format_RGB32);
    QImage screen = findFile(files, "HighScore.jpg")->image.convertToFormat(QImage::Format_RGB32);
    const QString charset = fontCharset();
    const auto write = [&](int x, int y, const QString& text) {
        const int x0 = x == 0 ? (640 - 20 * int(text.size())) / 2 : x;
        for (int i = 0; i < text.size(); ++i) {
            const int k = int(charset.indexOf(text[i]));
            const int gx = 17 * (k % 11), gy = 34 * (k / 11);
            for (int dy = 0; dy < 34; ++dy)
                for (int dx = 0; dx < 17; ++dx) {
                    const QPoint at(x0 + 20 * i + dx, y + dy);
                    const QRgb kept = screen.pixel(at) & font.pixel(gx + dx, gy + 136 + dy);
                    screen.setPixel(at, (kept ^ font.pixel(gx + dx, gy + dy)) | 0xff000000u);
                }
        }
    };
    const char* names[10] = {"THE VORA", "A WORM GAME", "WIGGLY WÅNDA", "ÄPPLE ÖMAR", "MAX SPEED",
                             "QUICK JOHNNY", "#%", "BRAKE ZONE", "XYZ 0123456789", ""};
    for (int rank = 1; rank <= 10; ++rank) {
        write(70, 10 + 38 * rank, QString::number(rank));
        write(0, 10 + 38 * rank, QString::fromUtf8(names[rank - 1]));
        write(530, 10 + 38 * rank, QString::number(11 - rank));
    }
    return screen;
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
    if (blocks)
        ok = ok && save(groundsSample(blocks->image), folder + "/blocks_on_grounds.png", error);
    if (blocks && worm && findFile(files, "Playfield.gif") && findFile(files, "PlayHead.bmp"))
        ok = ok && save(playSample(files), folder + "/play_sample.png", error);
    if (font && findFile(files, "HighScore.jpg"))
        ok = ok && save(highScoreSample(files), folder + "/high_score_sample.png", error);
    return ok && save(contactSheet(files), folder + "/pictures.png", error);
}
