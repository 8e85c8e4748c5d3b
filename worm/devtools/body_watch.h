#pragma once

#include "core/direction.h"
#include "core/track_database.h"

#include <optional>
#include <vector>

// Follows the worm through the play copy, where every cell it covers holds
// its code + 100: which cells it covers, tail first, and where its head is.
class BodyWatch {
 public:
  // A new track: no worm seen yet.
  void Reset();
  // Looks at the play copy again; true when the head has entered a new cell
  // since the last look.
  bool Look(const TrackRecord& playCopy);

  // The covered cells, tail first, head last.
  const std::vector<CellPosition>& Body() const { return body_; }
  // The head's cell and the one before it; none before the first step.
  std::optional<CellPosition> Head() const { return head_; }
  std::optional<CellPosition> PreviousHead() const { return previousHead_; }
  // The steps seen on the field.
  int Steps() const { return steps_; }

 private:
  std::vector<bool> covered_ = std::vector<bool>(TrackWidth * TrackHeight, false);
  std::vector<CellPosition> body_;
  std::optional<CellPosition> head_;
  std::optional<CellPosition> previousHead_;
  int steps_ = 0;
};
