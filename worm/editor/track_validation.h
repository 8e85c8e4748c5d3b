#pragma once

#include "core/track_database.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// Checks that keep unplayable tracks out of the game: a track needs its start and exit
// wormholes, a key for every door, portals in pairs and food; a database is saved only
// when all its tracks have been tested.

inline constexpr char TrackErrorTitle[] = "Track Error";
inline constexpr char SaveDatabaseTitle[] = "Save Database";

// Number of playable cells (columns 1..51, rows 1..35) of track holding code.
std::int16_t CountBlocks(const TrackRecord& track, std::uint8_t code);

// The report line of every rule the track breaks, in rule order; empty when it passes.
QStringList TrackErrors(const TrackRecord& track);

// The notice text for the lines of TrackErrors: a heading, an empty line, the lines.
QString TrackErrorText(const QStringList& errors);

// The refusal text listing every track 1..TrackCount for which tested(n) is false, or an
// empty text when all of them count as tested.
QString UntestedTracksText(const TrackDatabase& database, const std::function<bool(int)>& tested);
