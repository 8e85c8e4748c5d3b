#include "body_watch.h"

#include "core/block_codes.h"

#include <algorithm>

void BodyWatch::Reset() {
  std::fill(covered_.begin(), covered_.end(), false);
  body_.clear();
  head_.reset();
  previousHead_.reset();
  steps_ = 0;
}

bool BodyWatch::Look(const TrackRecord& playCopy) {
  std::optional<CellPosition> entered;
  for (int y = 1; y <= GroundHeight; ++y)
    for (int x = 1; x <= GroundWidth; ++x) {
      const int index = BlockIndex(x, y);
      const bool covered = IsWormBody(playCopy.Blocks[index]);
      if (covered == covered_[index]) continue;
      covered_[index] = covered;
      if (covered) entered = CellPosition{x, y};
      else std::erase(body_, CellPosition{x, y});
    }
  if (!entered) return false;
  body_.push_back(*entered);
  previousHead_ = head_;
  head_ = entered;
  ++steps_;
  return true;
}
