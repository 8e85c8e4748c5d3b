#pragma once

#include <cstdint>
#include <vector>

#include "position.h"

// What a search found for a position, kept for when it comes again.
struct TableEntry {
  // How the score bounds the position's true score.
  enum class Bound : std::int8_t { Exact, Lower, Upper };

  Bits key = 0;
  std::int32_t score = 0;
  std::int8_t depth = -1;
  Bound bound = Bound::Exact;
  std::int8_t column = -1;
};

// A fixed number of entries, each position in one slot; a new entry replaces
// whatever the slot held.
class TranspositionTable {
 public:
  explicit TranspositionTable(int slotBits);

  // The entry of the position, or nullptr when the table holds none.
  const TableEntry* Find(Bits key) const;
  void Store(const TableEntry& entry);
  // Starts loading the position's slot, to be found without a wait later.
  void Prefetch(Bits key) const { __builtin_prefetch(&slots_[SlotOf(key)]); }

 private:
  std::size_t SlotOf(Bits key) const;

  int slotBits_;
  std::vector<TableEntry> slots_;
};
