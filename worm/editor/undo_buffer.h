#pragma once

#include "core/track_database.h"

#include <array>
#include <cstdint>
#include <optional>

// Whole-track snapshots of the track being edited, for undo and redo.
// UndoNr is the newest snapshot, UndoPtr the one the track equals.
class UndoBuffer {
 public:
  static constexpr int Snapshots = 51;
  static constexpr int Newest = Snapshots - 1;

  std::int16_t UndoNr() const { return undoNr_; }
  std::int16_t UndoPtr() const { return undoPtr_; }
  const TrackRecord& Snapshot(int index) const { return snapshots_[index]; }

  // A new history holding only track.
  void Reset(const TrackRecord& track);
  // Stores track after the newest snapshot, the oldest dropped when full;
  // snapshots undone before stay in the history.
  void Record(const TrackRecord& track);
  // The snapshot one step back or forward, or none at either end.
  std::optional<TrackRecord> Undo();
  std::optional<TrackRecord> Redo();

 private:
  std::array<TrackRecord, Snapshots> snapshots_{};
  std::int16_t undoNr_ = 0;
  std::int16_t undoPtr_ = 0;
};
