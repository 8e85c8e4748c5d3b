#include "core/frm_worm.h"
#include "core/set_track_cell.h"
#include "core/track_rules.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int PlayCopyTrack = 0;

// Codes placed by Popcorn for a draw of 1..100.
BlockCode ScatteredItem(int r100) {
  if (r100 <= 4) return Blocks::Mushroom;
  if (r100 <= 13) return Blocks::Hamburger;
  if (r100 <= 32) return Blocks::Cake;
  if (r100 <= 61) return Blocks::Banana;
  return Blocks::Apple;
}

// Bonus kinds of the hidden bonus map for a draw of 1..115.
std::uint8_t HiddenBonusKind(int r115) {
  if (r115 <= 5) return 1;    // extra life
  if (r115 <= 15) return 2;   // open exits
  if (r115 <= 35) return 3;   // shorter worm
  if (r115 <= 75) return 4;   // shield
  return 5;                   // breaking pads
}

template <typename Test>
int CountPlayable(const TrackRecord& track, Test test) {
  int count = 0;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (test(track.Blocks[BlockIndex(x, y)])) ++count;
  return count;
}

}  // namespace

std::int16_t CountFood(const TrackRecord& track) {
  return static_cast<std::int16_t>(CountPlayable(track, [](int code) { return IsFoodCode(code); }));
}

int CountFreeGround(const TrackRecord& track) {
  return CountPlayable(track, [](int code) { return IsGroundCode(code); });
}

CellPosition TrackRules::RandomFreeGround() {
  for (;;) {
    const int x = Draw(GroundWidth);
    const int y = Draw(GroundHeight);
    if (IsGroundCode(track_.Blocks[BlockIndex(x, y)])) return {x, y};
  }
}

void TrackRules::ScatterFood(int n) {
  n = std::min(n, CountFreeGround(track_));
  int mushrooms = 0;
  for (int placed = 0; placed < n; ++placed) {
    const CellPosition cell = RandomFreeGround();
    const BlockCode item = ScatteredItem(Draw(100));
    if (item == Blocks::Mushroom) ++mushrooms;
    SetTrackCell(form_, PlayCopyTrack, cell.X, cell.Y, item);
  }
  worm_.FoodLeft = static_cast<std::int16_t>(worm_.FoodLeft + n - mushrooms);
}

int TrackRules::PlaceHiddenBonuses(int n) {
  n = std::min(n, CountFreeGround(track_));
  worm_.HiddenBonusMap.fill(0);
  for (int placed = 0; placed < n; ++placed) {
    const CellPosition cell = RandomFreeGround();
    worm_.HiddenBonusMap[GroundIndex(cell.X, cell.Y)] = HiddenBonusKind(Draw(115));
    Cell(cell) = Blocks::HiddenBonus;
  }
  return n;
}

std::optional<CellPosition> TrackRules::PortalExit(BlockCode code) {
  std::vector<CellPosition> others;
  for (int x = 1; x <= GroundWidth; ++x)
    for (int y = 1; y <= GroundHeight; ++y)
      if (track_.Blocks[BlockIndex(x, y)] == code && CellPosition{x, y} != worm_.Head)
        others.push_back({x, y});
  if (others.empty()) return std::nullopt;
  worm_.RepeatMove = true;
  return others.size() == 1 ? others.front() : others[Draw(static_cast<int>(others.size())) - 1];
}
