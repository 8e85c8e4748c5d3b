#include "picture_set.h"

#include "block_sheet.h"
#include "font_sheet.h"
#include "headline_pictures.h"
#include "playfield_pictures.h"
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
    return files;
}
