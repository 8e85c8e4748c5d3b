#pragma once

#include "core/direction.h"

#include <array>
#include <cstdint>

// The cells of the worm from tail to head, in a ring of 501 entries of
// which 1..500 are used once the ring has gone round: a worm is at most
// 500 cells long. Entry 0 starts as a dummy cell off the field.
class BodyRing {
 public:
  static constexpr int Size = 501;
  static constexpr CellPosition Dummy{-12, -12};

  struct Entry {
    CellPosition Cell = Dummy;
    std::int16_t Picture = 0;  // tail picture of the cell once the head left it
  };

  // Records the head's new cell.
  void AddHead(CellPosition head);
  // Records the tail picture of the cell the head has just left.
  void SetLeftPicture(std::int16_t picture);
  // The entry that becomes the tail end now; the next one follows.
  const Entry& NextTail();

 private:
  static int Advance(int index);

  std::array<Entry, Size> body_{};
  int headIndex_ = 0;
  int partIndex_ = 0;
  int tailIndex_ = 0;
};
