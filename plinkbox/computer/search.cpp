#include "search.h"

#include <algorithm>

namespace {

// Columns from the middle out.
constexpr int kMiddleFirst[kColumns] = {3, 2, 4, 1, 5, 0, 6};
// Positions this close to the search's horizon are cheaper to search again
// than to look up.
constexpr int kTableMinDepth = 2;
// How many positions pass between two looks at the clock.
constexpr std::int64_t kClockInterval = 256;

TableEntry::Bound BoundOf(int score, int alpha, int beta) {
  if (score <= alpha) return TableEntry::Bound::Upper;
  if (score >= beta) return TableEntry::Bound::Lower;
  return TableEntry::Bound::Exact;
}

}  // namespace

MoveOrder OrderMoves(const Position& position, Bits cells, int first) {
  MoveOrder order;
  int threats[kColumns];
  for (int column : kMiddleFirst) {
    if ((cells & ColumnCells(column)) == 0) continue;
    Position after = position;
    after.Play(column);
    // After the drop the mover is the other side of the new position.
    const int made = column == first ? kCells : CountCells(after.OtherWinningCells());
    // Behind those that make as many, so the middle stays first among equals.
    int n = order.count++;
    for (; n > 0 && threats[n - 1] < made; --n) {
      threats[n] = threats[n - 1];
      order.columns[n] = order.columns[n - 1];
    }
    threats[n] = made;
    order.columns[n] = column;
  }
  return order;
}

Search::Search(Evaluation evaluation, TranspositionTable* table, const SearchLimits& limits)
    : evaluation_(evaluation), table_(table), limits_(limits) {}

int Search::Score(const Position& position, int depth, int alpha, int beta) {
  if (++nodes_ % kClockInterval == 0 && OutOfTime()) aborted_ = true;
  if (aborted_) return 0;
  const bool useTable = table_ != nullptr && depth >= kTableMinDepth;
  if (useTable) table_->Prefetch(position.Key());
  const int moveCount = position.MoveCount();
  if ((position.OwnWinningCells() & position.PlayableCells()) != 0) return WinAfter(moveCount + 1);
  const Bits cells = position.NonLosingCells();
  if (cells == 0) return -WinAfter(moveCount + 2);
  if (moveCount >= kCells - 2) return 0;
  if (depth <= 0) return evaluation_(position);
  // No four comes with the next disk, so a win takes at least two more.
  beta = std::min(beta, WinAfter(moveCount + 3));
  if (alpha >= beta) return beta;

  const int alphaBefore = alpha;
  const int betaBefore = beta;
  int first = -1;
  if (useTable) {
    if (const TableEntry* entry = table_->Find(position.Key())) {
      first = entry->column;
      if (entry->depth >= depth) {
        if (entry->bound == TableEntry::Bound::Exact) return entry->score;
        if (entry->bound == TableEntry::Bound::Lower) alpha = std::max(alpha, entry->score);
        if (entry->bound == TableEntry::Bound::Upper) beta = std::min(beta, entry->score);
        if (alpha >= beta) return entry->score;
      }
    }
  }

  int best = -kInfinity;
  int bestColumn = -1;
  const MoveOrder order = OrderMoves(position, cells, first);
  for (int n = 0; n < order.count; ++n) {
    Position after = position;
    after.Play(order.columns[n]);
    // The first drop gets the full window; the others only have to show they
    // are no better, and are searched again when one is.
    int score = -kInfinity;
    if (n > 0) score = -Score(after, depth - 1, -alpha - 1, -alpha);
    if (n == 0 || (score > alpha && score < beta)) score = -Score(after, depth - 1, -beta, -alpha);
    if (aborted_) return 0;
    if (score > best) {
      best = score;
      bestColumn = order.columns[n];
    }
    alpha = std::max(alpha, score);
    if (alpha >= beta) break;
  }
  if (useTable) {
    table_->Store({position.Key(), best, static_cast<std::int8_t>(depth),
                   BoundOf(best, alphaBefore, betaBefore), static_cast<std::int8_t>(bestColumn)});
  }
  return best;
}

bool Search::OutOfTime() {
  if (limits_.stop != nullptr && limits_.stop->load(std::memory_order_relaxed)) return true;
  return SearchLimits::Clock::now() >= limits_.deadline;
}
