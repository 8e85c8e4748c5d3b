// Draws every track of a database on one picture, three to a row, each cell with its
// block picture, so the tracks can be looked at as a player sees them.
// Arguments: the database, the block sheet (BuildClip.gif) and the picture to write.
#include "core/track_database.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Cell = 12;
constexpr int SheetColumns = 10;
constexpr int SheetRows = 6;
constexpr int Columns = 3;
constexpr int CaptionHeight = 16;
constexpr int TileWidth = TrackWidth * Cell + 4;
constexpr int TileHeight = TrackHeight * Cell + CaptionHeight;

void DrawTrackTile(QPainter& painter, const QImage& sheet, const TrackRecord& track, int number,
                   QPoint origin)
{
    painter.setPen(Qt::white);
    painter.drawText(origin + QPoint(4, CaptionHeight - 4),
                     QString("%1  %2  (difficulty %3)").arg(number).arg(track.Name).arg(track.Difficulty));
    const QPoint field = origin + QPoint(0, CaptionHeight);
    for (int y = 0; y < TrackHeight; ++y)
        for (int x = 0; x < TrackWidth; ++x) {
            const int code = track.Blocks[BlockIndex(x, y)];
            const QPoint at = field + QPoint(x * Cell, y * Cell);
            if (code >= SheetColumns * SheetRows)
                painter.fillRect(QRect(at, QSize(Cell, Cell)), Qt::black);  // the border
            else
                painter.drawImage(at, sheet,
                                  QRect(code % SheetColumns * Cell, code / SheetColumns * Cell, Cell, Cell));
        }
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DATABASE BUILD_CLIP OUTPUT_PICTURE\n", argv[0]);
        return 2;
    }
    TrackDatabase database;
    const DatabaseFileResult read = ReadDatabaseFile(QString::fromLocal8Bit(argv[1]), database);
    const QImage sheet(QString::fromLocal8Bit(argv[2]));
    if (!read.Ok) {
        std::fprintf(stderr, "%s\n", qPrintable(read.Message));
        return 1;
    }
    if (sheet.size() != QSize(SheetColumns * Cell, SheetRows * Cell)) {
        std::fprintf(stderr, "%s is not a block sheet of %d x %d pixels\n", argv[2], SheetColumns * Cell,
                     SheetRows * Cell);
        return 1;
    }
    const int rows = (database.TrackCount + Columns - 1) / Columns;
    QImage overview(Columns * TileWidth, std::max(1, rows) * TileHeight, QImage::Format_RGB32);
    overview.fill(QColor(40, 40, 40));
    QPainter painter(&overview);
    for (int n = 1; n <= database.TrackCount; ++n)
        DrawTrackTile(painter, sheet, database.Tracks[n], n,
                      QPoint((n - 1) % Columns * TileWidth, (n - 1) / Columns * TileHeight));
    painter.end();
    if (!overview.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
