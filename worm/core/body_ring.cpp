#include "core/body_ring.h"

int BodyRing::Advance(int index) { return index + 1 >= Size ? 1 : index + 1; }

void BodyRing::AddHead(CellPosition head) {
  ++headIndex_;
  body_[headIndex_].Cell = head;
  if (headIndex_ == Size - 1) headIndex_ = 0;
}

void BodyRing::SetLeftPicture(std::int16_t picture) {
  body_[partIndex_].Picture = picture;
  partIndex_ = Advance(partIndex_);
}

const BodyRing::Entry& BodyRing::NextTail() {
  const Entry& tail = body_[tailIndex_];
  tailIndex_ = Advance(tailIndex_);
  return tail;
}
