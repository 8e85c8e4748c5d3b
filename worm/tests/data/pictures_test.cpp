// The picture and cursor files beside the program: names, formats, sizes,
// sheet layouts, item highlights and the font masks.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace {

QString picturePath(const QString& name)
{
    return QString(WORM_DATA_DIR) + "/Picture/" + name;
}

QImage loadPicture(const QString& name)
{
    return QImage(picturePath(name)).convertToFormat(QImage::Format_RGB32);
}

struct ExpectedFile
{
    const char* folder;
    const char* name;
    const char* format;
    int width;
    int height;
};

const ExpectedFile ExpectedFiles[] = {
    {"Picture", "WormClip.gif", "gif", 96, 432},
    {"Picture", "BuildClip.gif", "gif", 120, 72},
    {"Picture", "FontClip.gif", "gif", 187, 272},
    {"Picture", "FontBlock.gif", "gif", 23, 40},
    {"Picture", "Playfield.gif", "gif", 636, 444},
    {"Picture", "PlayfieldGrid.gif", "gif", 636, 444},
    {"Picture", "PlayHead.bmp", "bmp", 636, 36},
    {"Picture", "EditorHead.bmp", "bmp", 636, 36},
};

TEST(PictureFiles, EachExistsDecodesInItsFormatAndHasItsSize)
{
    for (const ExpectedFile& expected : ExpectedFiles) {
        SCOPED_TRACE(expected.name);
        const QString path = QString(WORM_DATA_DIR) + "/" + expected.folder + "/" + expected.name;
        ASSERT_TRUE(QFile::exists(path));
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format().toStdString(), expected.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), expected.width);
        EXPECT_EQ(image.height(), expected.height);
    }
}

QImage cell(const QImage& sheet, int index, int columns, int width, int height)
{
    return sheet.copy((index % columns) * width, (index / columns) * height, width, height);
}

TEST(SpriteSheets, CellsOfTwelvePixelsInTheirGrids)
{
    const QImage worm = loadPicture("WormClip.gif");
    const QImage blocks = loadPicture("BuildClip.gif");
    EXPECT_EQ(qRound(worm.width() / 8.0), 12);
    EXPECT_EQ(qRound(worm.height() / 36.0), 12);
    EXPECT_EQ(qRound(blocks.width() / 10.0), 12);
    EXPECT_EQ(qRound(blocks.height() / 6.0), 12);
}

TEST(SpriteSheets, EveryBlockOfTheGameHasAPictureOfItsOwn)
{
    const QImage blocks = loadPicture("BuildClip.gif");
    std::vector<int> codes;
    for (int code = 0; code <= 57; ++code)
        if (code != 49)
            codes.push_back(code);
    for (size_t i = 0; i < codes.size(); ++i)
        for (size_t j = i + 1; j < codes.size(); ++j)
            EXPECT_NE(cell(blocks, codes[i], 10, 12, 12), cell(blocks, codes[j], 10, 12, 12))
                << "blocks " << codes[i] << " and " << codes[j];
}

// Index = ground group * 24 + part * 8 + direction; a body is the same going
// either way along its line, heads and tails are not.
TEST(SpriteSheets, WormPartsDifferByPartDirectionAndGround)
{
    const QImage worm = loadPicture("WormClip.gif");
    const auto picture = [&](int group, int part, int direction) {
        return cell(worm, group * 24 + part * 8 + direction, 8, 12, 12);
    };
    for (int group = 0; group < 12; ++group) {
        for (int part = 0; part < 3; ++part) {
            for (int direction = 0; direction < 8; ++direction) {
                SCOPED_TRACE(testing::Message() << "group " << group << " part " << part << " dir " << direction);
                for (int other = direction + 1; other < 8; ++other) {
                    if (part != 1 || other != direction + 4) {
                        EXPECT_NE(picture(group, part, direction), picture(group, part, other)) << other;
                    }
                }
                for (int otherPart = part + 1; otherPart < 3; ++otherPart)
                    EXPECT_NE(picture(group, part, direction), picture(group, otherPart, direction));
                for (int otherGroup = group + 1; otherGroup < 12; ++otherGroup)
                    EXPECT_NE(picture(group, part, direction), picture(otherGroup, part, direction));
            }
        }
    }
}

TEST(FontSheet, MasksAgreeWithTheGlyphs)
{
    const QImage font = loadPicture("FontClip.gif");
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    for (int glyph = 0; glyph < 42; ++glyph) {
        SCOPED_TRACE(glyph);
        const int left = 17 * (glyph % 11), top = 34 * (glyph / 11);
        int opaque = 0;
        for (int y = 0; y < 34; ++y) {
            for (int x = 0; x < 17; ++x) {
                const QRgb mask = font.pixel(left + x, top + 136 + y) | 0xff000000u;
                ASSERT_TRUE(mask == black || mask == white) << x << "," << y;
                if (mask == white)
                    ASSERT_EQ(font.pixel(left + x, top + y) | 0xff000000u, black) << x << "," << y;
                else
                    ++opaque;
            }
        }
        const bool space = glyph == 29;
        EXPECT_EQ(opaque == 0, space);
    }
}

TEST(FontSheet, BlockHoldsOneGlyphInsideItsFrame)
{
    const QImage block = loadPicture("FontBlock.gif");
    EXPECT_GE(block.width(), 3 + 17);
    EXPECT_GE(block.height(), 3 + 34);
}

} // namespace
