#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>

#include "computer_level.h"
#include "position.h"
#include "transposition_table.h"

// The time the hard level may think about one move.
inline constexpr std::chrono::milliseconds kHardBudget{300};

// The computer player: its random choices and the table of positions the hard
// level has seen, kept from one move to the next.
class Computer {
 public:
  explicit Computer(std::uint32_t seed);

  // The column the level drops into for the side to move; the position must
  // have a free column and the level must not be Off. Setting stop makes the
  // hard level answer at once with what it has found so far.
  int ChooseColumn(ComputerLevel level, const Position& position, const std::atomic<bool>& stop);

 private:
  std::mt19937 random_;
  TranspositionTable table_;
};
