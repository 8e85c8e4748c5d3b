// The picture and cursor files beside the program: names, formats, sizes,
// sheet layouts, item highlights and the font masks.
#include "core/block_codes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <cmath>

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
    {"Picture", "MainMenu.jpg", "jpeg", 640, 480},
    {"Picture", "MainMenuClip.jpg", "jpeg", 640, 480},
    {"Picture", "Pause.jpg", "jpeg", 636, 444},
    {"Picture", "PauseClip.jpg", "jpeg", 636, 444},
    {"Picture", "Info.jpg", "jpeg", 636, 444},
    {"Picture", "InfoClip.jpg", "jpeg", 636, 444},
    {"Picture", "TheEnd.jpg", "jpeg", 640, 480},
    {"Picture", "TheEndClip.jpg", "jpeg", 640, 480},
    {"Picture", "HighScore.jpg", "jpeg", 640, 480},
    {"Picture", "HighScoreClip.jpg", "jpeg", 640, 480},
    {"Picture", "Message1.bmp", "bmp", 200, 50},
    {"Picture", "Message2.bmp", "bmp", 200, 50},
    {"Picture", "Message3.bmp", "bmp", 200, 50},
    {"Picture", "Message4.bmp", "bmp", 200, 50},
    {"Picture", "Message5.bmp", "bmp", 200, 50},
    {"Picture", "Message6.bmp", "bmp", 200, 50},
    {"Picture", "Message7.bmp", "bmp", 200, 50},
    {"Picture", "Message8.bmp", "bmp", 200, 50},
    // Qt's icon reader decodes cursor files; the cursor test checks their type.
    {"Curser", "Draw.cur", "ico", 32, 32},
    {"Curser", "Filled Rectangel.cur", "ico", 32, 32},
    {"Curser", "Hollow Rectangel.cur", "ico", 32, 32},
    {"Curser", "Fill.cur", "ico", 32, 32},
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

struct ItemRectangle
{
    const char* full;
    const char* clip;
    QRect destination;
    QPoint source;
};

const ItemRectangle ItemRectangles[] = {
    {"MainMenu.jpg", "MainMenuClip.jpg", QRect(256, 206, 130, 40), QPoint(0, 41)},
    {"MainMenu.jpg", "MainMenuClip.jpg", QRect(450, 291, 82, 39), QPoint(0, 82)},
    {"MainMenu.jpg", "MainMenuClip.jpg", QRect(249, 370, 142, 39), QPoint(0, 122)},
    {"MainMenu.jpg", "MainMenuClip.jpg", QRect(112, 288, 89, 42), QPoint(0, 162)},
    {"MainMenu.jpg", "MainMenuClip.jpg", QRect(275, 289, 95, 40), QPoint(0, 0)},
    {"Pause.jpg", "PauseClip.jpg", QRect(103, 164, 135, 135), QPoint(0, 0)},
    {"Pause.jpg", "PauseClip.jpg", QRect(249, 79, 135, 135), QPoint(137, 0)},
    {"Pause.jpg", "PauseClip.jpg", QRect(402, 162, 135, 135), QPoint(274, 0)},
    {"Pause.jpg", "PauseClip.jpg", QRect(249, 244, 135, 135), QPoint(411, 0)},
    {"Info.jpg", "InfoClip.jpg", QRect(504, 390, 108, 33), QPoint(0, 0)},
    {"TheEnd.jpg", "TheEndClip.jpg", QRect(511, 442, 120, 29), QPoint(0, 0)},
    {"HighScore.jpg", "HighScoreClip.jpg", QRect(507, 444, 124, 31), QPoint(0, 0)},
};

// Mean difference per colour channel of two equally large images.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// A highlight is visible: the clip's rectangle differs clearly from the plain item,
// and the highlights of one screen are not all the same picture.
TEST(ChoiceScreens, ClipsHoldAVisibleHighlightOfEveryItem)
{
    for (const ItemRectangle& item : ItemRectangles) {
        SCOPED_TRACE(testing::Message() << item.clip << " at " << item.source.x() << "," << item.source.y());
        const QImage full = loadPicture(item.full);
        const QImage clip = loadPicture(item.clip);
        ASSERT_TRUE(full.rect().contains(item.destination));
        const QRect source(item.source, item.destination.size());
        ASSERT_TRUE(clip.rect().contains(source));
        EXPECT_GT(meanDifference(full.copy(item.destination), clip.copy(source)), 20.0);
    }
}

TEST(ChoiceScreens, HighlightsOfOneScreenDiffer)
{
    const QImage menu = loadPicture("MainMenuClip.jpg");
    const QImage pause = loadPicture("PauseClip.jpg");
    EXPECT_GT(meanDifference(menu.copy(0, 0, 82, 39), menu.copy(0, 82, 82, 39)), 5.0);
    for (int square = 1; square < 4; ++square)
        EXPECT_GT(meanDifference(pause.copy(0, 0, 135, 135), pause.copy(137 * square, 0, 135, 135)), 5.0);
}

int littleEndian16(const QByteArray& bytes, int offset)
{
    return quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8);
}

// The hot spot is where the tool draws, so it lies on a visible pixel.
TEST(Cursors, AreCursorFilesWithTheirHotSpotOnTheDrawingPoint)
{
    for (const char* name : {"Draw.cur", "Filled Rectangel.cur", "Hollow Rectangel.cur", "Fill.cur"}) {
        SCOPED_TRACE(name);
        QFile file(QString(WORM_DATA_DIR) + "/Curser/" + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), 22);
        EXPECT_EQ(littleEndian16(bytes, 2), 2) << "resource type cursor";
        EXPECT_EQ(littleEndian16(bytes, 4), 1);
        const QPoint hotSpot(littleEndian16(bytes, 10), littleEndian16(bytes, 12));
        const QImage image = QImage(file.fileName()).convertToFormat(QImage::Format_ARGB32);
        ASSERT_TRUE(image.rect().contains(hotSpot));
        EXPECT_GE(qAlpha(image.pixel(hotSpot)), 128);
    }
}

TEST(Messages, EightDifferentPictures)
{
    for (int first = 1; first <= 8; ++first)
        for (int second = first + 1; second <= 8; ++second)
            EXPECT_GT(meanDifference(loadPicture(QString("Message%1.bmp").arg(first)),
                                     loadPicture(QString("Message%1.bmp").arg(second))),
                      2.0)
                << first << " and " << second;
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

// The blocks whose art leaves room around it, which a track can hold on any ground.
const int FramedBlocks[] = {
    Blocks::WormholeStart, Blocks::WormholeExit, Blocks::YellowKey,   Blocks::RedKey,
    Blocks::PurpleKey,     Blocks::ScubaGear,    Blocks::Lavashoes,   Blocks::Popcorn,
    Blocks::Apple,         Blocks::Banana,       Blocks::Cake,        Blocks::Hamburger,
    Blocks::Mushroom,      Blocks::WhitePortal,  Blocks::GreenPortal, Blocks::BluePortal,
    Blocks::Spinner,       Blocks::RockHard,     Blocks::FenceHard,   Blocks::PoleHard,
    Blocks::PoleSoft,      Blocks::TreeHard,     Blocks::TreeSoft,    Blocks::RockSoft,
    Blocks::FenceSoft,     Blocks::OpenExit,     Blocks::UsedBonus,   Blocks::ExitFlash,
};

// The four corner pixels of a cell, where no item's art reaches.
std::vector<QRgb> corners(const QImage& cell)
{
    return {cell.pixel(0, 0), cell.pixel(11, 0), cell.pixel(0, 11), cell.pixel(11, 11)};
}

// Cells are copied whole, so an item drawn over a ground tile would carry that
// ground onto every other: each stands on one frame of its own instead.
TEST(SpriteSheets, ItemsStandOnOneFrameThatIsNoGround)
{
    const QImage blocks = loadPicture("BuildClip.gif");
    const std::vector<QRgb> frame = corners(cell(blocks, FramedBlocks[0], 10, 12, 12));
    for (const int ground : GroupGrounds)
        EXPECT_NE(frame, corners(cell(blocks, ground, 10, 12, 12))) << "ground " << ground;
    for (const int item : FramedBlocks)
        EXPECT_EQ(corners(cell(blocks, item, 10, 12, 12)), frame) << "block " << item;
}

// Mean brightness, 0..255.
double brightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

// Told apart at a glance: an open exit glows where a closed one is dark, and
// the open-exits bonus of the headline is not the open exit's picture again.
TEST(SpriteSheets, ExitsAndTheOpenExitsBonusDifferAtAGlance)
{
    const QImage blocks = loadPicture("BuildClip.gif");
    const auto middle = [&](int code) { return cell(blocks, code, 10, 12, 12).copy(2, 2, 8, 8); };
    EXPECT_GT(brightness(middle(Blocks::OpenExit)) - brightness(middle(Blocks::WormholeExit)), 50);
    EXPECT_GT(meanDifference(middle(Blocks::OpenExit), middle(BlockPictures::OpenExits)), 40);
    EXPECT_GT(meanDifference(middle(Blocks::OpenExit), middle(Blocks::ExitFlash)), 20);
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

// The status bars (96 x 12 at y 18) lie inside a plain trough, and the bonus row
// starts with the empty-slot picture the game draws when a bonus picture leaves.
TEST(PlayHeadline, FramesTheStatusBarsAndShowsEmptyBonusSlots)
{
    const QImage head = loadPicture("PlayHead.bmp");
    for (const int left : {208, 430}) {
        SCOPED_TRACE(left);
        const QRect ring = QRect(left, 18, 96, 12).adjusted(-1, -1, 1, 1);
        const QRgb floor = head.pixel(ring.topLeft());
        for (int x = ring.left(); x <= ring.right(); ++x) {
            EXPECT_EQ(head.pixel(x, ring.top()), floor) << x;
            EXPECT_EQ(head.pixel(x, ring.bottom()), floor) << x;
        }
        for (int y = ring.top(); y <= ring.bottom(); ++y) {
            EXPECT_EQ(head.pixel(ring.left(), y), floor) << y;
            EXPECT_EQ(head.pixel(ring.right(), y), floor) << y;
        }
    }
    const QImage emptySlot = cell(loadPicture("BuildClip.gif"), 5, 10, 12, 12);
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(head.copy(552 + 13 * slot, 18, 12, 12), emptySlot) << slot;
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

// Another user than the one who built the game can start it.
TEST(PictureFiles, EachIsReadableByEveryUser)
{
    for (const ExpectedFile& expected : ExpectedFiles) {
        const QString path = QString(WORM_DATA_DIR) + "/" + expected.folder + "/" + expected.name;
        const QFile::Permissions permissions = QFile::permissions(path);
        EXPECT_TRUE(permissions.testFlag(QFile::ReadGroup) && permissions.testFlag(QFile::ReadOther))
            << expected.name;
    }
}

// The chosen letter is written at (3, 3): a plain 17 x 34 field inside a frame.
TEST(FontSheet, BlockHoldsOneGlyphInsideItsFrame)
{
    const QImage block = loadPicture("FontBlock.gif");
    const QRect field(3, 3, 17, 34);
    ASSERT_TRUE(block.rect().contains(field));
    const QRgb inside = block.pixel(field.topLeft());
    for (int y = 0; y < block.height(); ++y)
        for (int x = 0; x < block.width(); ++x)
            ASSERT_EQ(block.pixel(x, y) == inside, field.contains(x, y)) << x << "," << y;
}

} // namespace
