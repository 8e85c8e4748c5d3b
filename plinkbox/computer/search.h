#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>

#include "evaluation.h"
#include "position.h"
#include "transposition_table.h"

// Scores at or above this mean a forced win for the side to move, at or below
// its negative a forced loss; guesses stay well inside.
inline constexpr int kWinScore = 1'000'000;
// Above every score a search can return.
inline constexpr int kInfinity = kWinScore + kCells + 1;

// The score of a win whose last disk is disk number moveCount: the sooner, the higher.
constexpr int WinAfter(int moveCount) { return kWinScore + kCells - moveCount; }

// Whether a score is a forced result rather than a guess.
constexpr bool IsDecided(int score) { return score >= kWinScore || score <= -kWinScore; }

// When a search has to give up, whatever it is doing.
struct SearchLimits {
  using Clock = std::chrono::steady_clock;

  Clock::time_point deadline = Clock::time_point::max();
  const std::atomic<bool>* stop = nullptr;
};

// A negamax search with alpha-beta pruning that tries the most threatening
// drops first, from the middle column out, and keeps what it finds in a
// transposition table when it has one. Where it stops looking ahead it
// scores the position with the evaluation.
class Search {
 public:
  Search(Evaluation evaluation, TranspositionTable* table, const SearchLimits& limits);

  // The score of the position for the side to move, looking depth disks ahead;
  // exact when it lies strictly between alpha and beta.
  int Score(const Position& position, int depth, int alpha, int beta);
  // Whether the limits cut the search short; its scores then mean nothing.
  bool Aborted() const { return aborted_; }

 private:
  // Whether the deadline has passed or the search was asked to stop.
  bool OutOfTime();

  Evaluation evaluation_;
  TranspositionTable* table_;
  SearchLimits limits_;
  std::int64_t nodes_ = 0;
  bool aborted_ = false;
};

// The playable columns among the cells, the most promising first: the given
// column, then those that make the most new threats, then from the middle out.
struct MoveOrder {
  int columns[kColumns];
  int count = 0;
};
MoveOrder OrderMoves(const Position& position, Bits cells, int first);
