#include "picture_set.h"

#include "block_sheet.h"
#include "cursor_pictures.h"
#include "font_sheet.h"
#include "headline_pictures.h"
#include "message_pictures.h"
#include "playfield_pictures.h"
#include "screen_pictures.h"
#include "screen_style.h"
#include "worm_sheet.h"

std::vector<PictureFile> makePictureSet(const ArtSources& sources)
{
    const Palette& palette = sources.palette;
    std::vector<PictureFile> files;
    const auto add = [&](const QString& name, const QImage& image) {
        files.push_back({"Picture", name, image, {}});
    };
    add("WormClip.gif", makeWormSheet(palette));
    add("BuildClip.gif", makeBlockSheet(sources.blocks, palette));
    add("Playfield.gif", makePlayfield(sources));
    add("PlayfieldGrid.gif", makePlayfieldGrid(sources));
    add("FontClip.gif", makeFontSheet(palette));
    add("FontBlock.gif", makeFontBlock(palette));
    const ScreenStyle style(sources);
    add("PlayHead.bmp", makePlayHeadline(style));
    add("EditorHead.bmp", makeEditorHeadline(style));
    const auto addScreen = [&](const QString& name, const ScreenPictures& pictures) {
        add(name + ".jpg", pictures.full);
        add(name + "Clip.jpg", pictures.clip);
    };
    addScreen("MainMenu", makeMainMenuPictures(style));
    addScreen("Pause", makePausePictures(style));
    addScreen("TheEnd", makeEndPictures(style));
    addScreen("Info", makeInfoPictures(style));
    addScreen("HighScore", makeHighScorePictures(style));
    for (int number = 1; number <= MessageCount; ++number)
        add(QString("Message%1.bmp").arg(number), makeMessagePicture(style, number));
    for (const PictureFile& cursor : makeCursorFiles(palette))
        files.push_back(cursor);
    return files;
}
