#include "editor/undo_buffer.h"

#include <algorithm>

void UndoBuffer::Reset(const TrackRecord& track) {
  undoNr_ = 0;
  undoPtr_ = 0;
  snapshots_.fill(TrackRecord{});
  snapshots_[0] = track;
}

void UndoBuffer::Record(const TrackRecord& track) {
  if (undoNr_ >= Newest) {
    std::move(snapshots_.begin() + 1, snapshots_.end(), snapshots_.begin());
    snapshots_[Newest] = track;
    undoNr_ = Newest;
  } else {
    ++undoNr_;
    snapshots_[undoNr_] = track;
  }
  undoPtr_ = undoNr_;
}

std::optional<TrackRecord> UndoBuffer::Undo() {
  if (undoPtr_ < 1) return std::nullopt;
  --undoPtr_;
  return snapshots_[undoPtr_];
}

std::optional<TrackRecord> UndoBuffer::Redo() {
  if (undoPtr_ >= undoNr_) return std::nullopt;
  ++undoPtr_;
  return snapshots_[undoPtr_];
}
