#include "transposition_table.h"

namespace {

// Spreads the key's bits over the slot number (Fibonacci hashing).
constexpr Bits kSpread = 0x9E3779B97F4A7C15ULL;

}  // namespace

TranspositionTable::TranspositionTable(int slotBits)
    : slotBits_(slotBits), slots_(std::size_t{1} << slotBits) {}

const TableEntry* TranspositionTable::Find(Bits key) const {
  const TableEntry& entry = slots_[SlotOf(key)];
  return entry.depth >= 0 && entry.key == key ? &entry : nullptr;
}

void TranspositionTable::Store(const TableEntry& entry) { slots_[SlotOf(entry.key)] = entry; }

std::size_t TranspositionTable::SlotOf(Bits key) const {
  return static_cast<std::size_t>((key * kSpread) >> (64 - slotBits_));
}
