#include "hard_level.h"

#include <algorithm>

namespace {

// The best column at the top of the search, with its score.
struct RootResult {
  int column = -1;
  int score = -kInfinity;
};

// Every column among the cells searched to the depth, the one that was best
// before first; when the limits cut it short, the best of those it finished.
RootResult SearchRoot(Search& search, const Position& position, Bits cells, int depth,
                      int bestBefore) {
  RootResult result;
  const MoveOrder order = OrderMoves(position, cells, bestBefore);
  for (int n = 0; n < order.count; ++n) {
    Position after = position;
    after.Play(order.columns[n]);
    const int score = -search.Score(after, depth - 1, -kInfinity, -result.score);
    if (search.Aborted()) break;
    if (score > result.score) result = {order.columns[n], score};
  }
  return result;
}

// Each search takes longer than all those before it together: one begun
// after half the time would not end in time.
bool TimeForDeeper(const SearchLimits& limits, SearchLimits::Clock::time_point start) {
  if (limits.deadline == SearchLimits::Clock::time_point::max()) return true;
  return SearchLimits::Clock::now() - start < (limits.deadline - start) / 2;
}

}  // namespace

int ChooseHard(const Position& position, TranspositionTable& table, const SearchLimits& limits,
               int maxDepth) {
  const Bits playable = position.PlayableCells();
  const Bits wins = playable & position.OwnWinningCells();
  if (wins != 0) return ColumnOfCell(wins);
  const Bits cells = position.NonLosingCells();
  // Lost whatever it plays: the other side makes four with its next disk.
  if (cells == 0) return ColumnOfCell(playable);
  int best = OrderMoves(position, cells, -1).columns[0];
  if ((cells & (cells - 1)) == 0) return best;

  const SearchLimits::Clock::time_point start = SearchLimits::Clock::now();
  Search search(EvaluateThreats, &table, limits);
  const int depthLeft = std::min(maxDepth, kCells - position.MoveCount());
  for (int depth = 1; depth <= depthLeft; ++depth) {
    const RootResult result = SearchRoot(search, position, cells, depth, best);
    // A search cut short has still scored its first columns, the best before
    // among them, to the full depth.
    if (result.column >= 0) best = result.column;
    if (search.Aborted() || IsDecided(result.score) || !TimeForDeeper(limits, start)) break;
  }
  return best;
}
