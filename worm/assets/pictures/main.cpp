// Makes the picture and cursor files of worm from the sources in art/.
//   worm_picture_maker --art DIR --out DATA_DIR      writes Picture/ and Curser/
//   worm_picture_maker --art DIR --overview DIR      writes enlarged overview PNGs
#include "cursor_writer.h"
#include "gif_writer.h"
#include "overview.h"
#include "picture_set.h"
#include "screen_fonts.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <stdexcept>

namespace {

bool writePicture(const PictureFile& file, const QString& folder, QString* error)
{
    const QString path = folder + "/" + file.name;
    const QString suffix = file.name.section('.', -1).toLower();
    if (suffix == "gif")
        return writeGif(file.image, path, error);
    if (suffix == "cur")
        return writeCursor(file.image, file.hotSpot, path, error);
    const bool saved = suffix == "jpg" ? file.image.save(path, "JPEG", 92) : file.image.save(path, "BMP");
    if (!saved)
        *error = "cannot write " + path;
    return saved;
}

bool writeAll(const std::vector<PictureFile>& files, const QString& dataDir, QString* error)
{
    for (const PictureFile& file : files) {
        const QString folder = dataDir + "/" + file.folder;
        if (!QDir().mkpath(folder)) {
            *error = "cannot create " + folder;
            return false;
        }
        if (!writePicture(file, folder, error))
            return false;
    }
    return true;
}

bool loadSources(const QString& artDir, ArtSources* sources, QString* error)
{
    return sources->palette.load(artDir + "/palette.txt", error)
           && sources->blocks.load(artDir + "/blocks.txt", error)
           && sources->glyphs.load(artDir + "/glyphs.txt", error) && loadScreenFonts(error);
}

int fail(const QString& message)
{
    std::fprintf(stderr, "worm_picture_maker: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype art = args.indexOf("--art");
    const qsizetype out = args.indexOf("--out");
    const qsizetype overview = args.indexOf("--overview");
    if (art < 0 || art + 1 >= args.size() || (out < 0) == (overview < 0)
        || std::max(out, overview) + 1 >= args.size())
        return fail("usage: --art DIR (--out DATA_DIR | --overview DIR)");

    ArtSources sources;
    QString error;
    if (!loadSources(args[art + 1], &sources, &error))
        return fail(error);
    try {
        const std::vector<PictureFile> files = makePictureSet(sources);
        const bool ok = out >= 0 ? writeAll(files, args[out + 1], &error)
                                 : writeOverviews(files, args[overview + 1], &error);
        return ok ? 0 : fail(error);
    } catch (const std::runtime_error& missing) { // art or colour named by the code but not in art/
        return fail(missing.what());
    }
}
