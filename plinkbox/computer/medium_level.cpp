#include "medium_level.h"

#include <algorithm>

#include "random_column.h"
#include "search.h"

namespace {

// The column's score for the side to move, looking kMediumDepth disks ahead.
int ScoreColumn(Search& search, const Position& position, int column) {
  Position after = position;
  after.Play(column);
  if (position.IsWinningMove(column)) return WinAfter(after.MoveCount());
  return -search.Score(after, kMediumDepth - 1, -kInfinity, kInfinity);
}

}  // namespace

int ChooseMedium(const Position& position, std::mt19937& random) {
  Search search(Evaluate, nullptr, SearchLimits{});
  const Bits playable = position.PlayableCells();
  int scores[kColumns];
  int bestScore = -kInfinity;
  for (int column = 0; column < kColumns; ++column) {
    if ((playable & ColumnCells(column)) == 0) continue;
    scores[column] = ScoreColumn(search, position, column);
    bestScore = std::max(bestScore, scores[column]);
  }
  const int lowest = IsDecided(bestScore) ? bestScore : bestScore - kMediumMargin;
  Bits chosen = 0;
  for (int column = 0; column < kColumns; ++column) {
    const Bits cell = playable & ColumnCells(column);
    if (cell != 0 && scores[column] >= lowest) chosen |= cell;
  }
  return RandomColumn(chosen, random);
}
