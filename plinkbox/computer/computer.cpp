#include "computer.h"

#include "easy_level.h"
#include "hard_level.h"
#include "medium_level.h"

namespace {

// 2^19 slots of 16 bytes: 8 MB.
constexpr int kTableSlotBits = 19;

}  // namespace

Computer::Computer(std::uint32_t seed) : random_(seed), table_(kTableSlotBits) {}

int Computer::ChooseColumn(ComputerLevel level, const Position& position,
                           const std::atomic<bool>& stop) {
  switch (level) {
    case ComputerLevel::Easy:
      return ChooseEasy(position, random_);
    case ComputerLevel::Medium:
      return ChooseMedium(position, random_);
    case ComputerLevel::Off:
    case ComputerLevel::Hard:
      break;
  }
  const SearchLimits limits{SearchLimits::Clock::now() + kHardBudget, &stop};
  return ChooseHard(position, table_, limits);
}
