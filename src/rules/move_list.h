// MoveList: a fixed-capacity list of moves, owned by the caller and reused.
#pragma once

#include <array>
#include <cassert>

#include "rules/move.h"

namespace trevosk {

class MoveList {
 public:
  // 92 orientations are enumerated, each at most at every square.
  static constexpr int kCapacity = 92 * kBoardSize * kBoardSize;

  void clear() { size_ = 0; }
  void push_back(const Move& m) {
    assert(size_ < kCapacity);
    moves_[size_++] = m;
  }
  int size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const Move& operator[](int i) const { return moves_[i]; }
  Move& operator[](int i) { return moves_[i]; }
  const Move* begin() const { return moves_.data(); }
  const Move* end() const { return moves_.data() + size_; }
  Move* begin() { return moves_.data(); }
  Move* end() { return moves_.data() + size_; }

 private:
  std::array<Move, kCapacity> moves_;
  int size_ = 0;
};

}  // namespace trevosk
