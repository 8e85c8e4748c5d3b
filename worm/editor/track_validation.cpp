#include "editor/track_validation.h"

namespace {

const QString Dots = QStringLiteral(".........................");

struct KeyRule {
    const char* keyName;
    std::uint8_t key;
    std::uint8_t door;
};

const KeyRule KeyRules[] = {
    {"Yellow Key", 11, 26},
    {"Red Key", 12, 27},
    {"Purple Key", 13, 28},
};

struct PortalRule {
    const char* name;
    std::uint8_t code;
};

const PortalRule PortalRules[] = {
    {"White Portal", 22},
    {"Green Portal", 23},
    {"Blue Portal", 24},
};

int CountFoodBlocks(const TrackRecord& track)
{
    int food = 0;
    for (std::uint8_t code = 16; code <= 20; ++code)
        food += CountBlocks(track, code);
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
    if (CountBlocks(track, 9) == 0)
        errors << "Wormhole (Start)" + Dots + "Missing";
    if (CountBlocks(track, 10) == 0)
        errors << "Wormhole (Exit)" + Dots + "Missing";
    for (const KeyRule& rule : KeyRules) {
        const int missing = CountBlocks(track, rule.door) - CountBlocks(track, rule.key);
        if (missing > 0)
            errors << rule.keyName + Dots + "(" + QString::number(missing) + ") Missing";
    }
    for (const PortalRule& rule : PortalRules)
        if (CountBlocks(track, rule.code) == 1)
            errors << rule.name + Dots + "Alone";
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
