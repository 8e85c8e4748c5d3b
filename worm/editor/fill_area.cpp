#include "editor/fill_area.h"

#include "core/frm_worm.h"
#include "core/set_track_cell.h"

#include <utility>
#include <vector>

namespace {

using Cell = std::pair<std::int16_t, std::int16_t>;

// Up, right, down, left.
constexpr Cell Steps[] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};

bool Inner(int column, int row) {
  return column >= 1 && column <= GroundWidth && row >= 1 && row <= GroundHeight;
}

}  // namespace

bool FillArea(frmWorm& form, int column, int row, std::uint8_t block) {
  const int track = form.CurrentTrack;
  const auto& blocks = form.Database.Tracks[track].Blocks;
  const std::uint8_t target = blocks[BlockIndex(column, row)];
  if (target == block) return false;
  SetTrackCell(form, track, column, row, block);
  // A cell is set as it is queued, so none is queued twice.
  std::vector<Cell> queue{{static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)}};
  for (std::size_t head = 0; head < queue.size(); ++head) {
    for (const auto& [dx, dy] : Steps) {
      const int x = queue[head].first + dx;
      const int y = queue[head].second + dy;
      if (!Inner(x, y) || blocks[BlockIndex(x, y)] != target) continue;
      SetTrackCell(form, track, x, y, block);
      queue.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    }
  }
  return true;
}
