#include "editor/track_validation.h"

#include "core/block_codes.h"

namespace {

const QString Dots = QStringLiteral(".........................");

QString NameOf(BlockCode code)
{
    return QString::fromLatin1(BlockName(code));
}

int CountFoodBlocks(const TrackRecord& track)
{
    int food = 0;
    for (int code = Blocks::Popcorn; code <= Blocks::Hamburger; ++code)
        food += CountBlocks(track, static_cast<BlockCode>(code));
    return food;
}

}  // namespace

std::int16_t CountBlocks(const TrackRecord& track, std::uint8_t code)
{
    std::int16_t count = 0;
    for (int x = 1; x <= GroundWidth; ++x)
        for (int y = 1; y <= GroundHeight; ++y)
            if (track.Blocks[BlockIndex(x, y)] == code)
                ++count;
    return count;
}

QStringList TrackErrors(const TrackRecord& track)
{
    QStringList errors;
    for (BlockCode wormhole : {Blocks::WormholeStart, Blocks::WormholeExit})
        if (CountBlocks(track, wormhole) == 0)
            errors << NameOf(wormhole) + Dots + "Missing";
    for (int colour = 0; colour < KeyColourCount; ++colour) {
        const int missing = CountBlocks(track, DoorCodes[colour]) - CountBlocks(track, KeyCodes[colour]);
        if (missing > 0)
            errors << NameOf(KeyCodes[colour]) + Dots + "(" + QString::number(missing) + ") Missing";
    }
    for (BlockCode portal : PortalCodes)
        if (CountBlocks(track, portal) == 1)
            errors << NameOf(portal) + Dots + "Alone";
    if (CountFoodBlocks(track) == 0)
        errors << "Vora Food" + Dots + "Missing";
    return errors;
}

QString TrackErrorText(const QStringList& errors)
{
    QString text = "These Errors Must Be Corrected Before The Track Works.\n\n";
    for (const QString& line : errors)
        text += line + "\n";
    return text;
}

QString UntestedTracksText(const TrackDatabase& database, const std::function<bool(int)>& tested)
{
    QString list;
    for (int n = 1; n <= database.TrackCount; ++n)
        if (!tested(n))
            list += QString::number(n) + " - " + database.Tracks[n].Name + "\n";
    if (list.isEmpty())
        return list;
    return "You Must Test These Tracks Before You Can Save\n\n" + list;
}
