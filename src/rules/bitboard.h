// Bitboard: a set of board squares as 256 bits, 16 bits per row.
//
// Square (column x, row y) is bit y * 16 + x. Columns 14 and 15 and rows 14
// and 15 are guard bits that no board set ever holds, so a shift by at most
// two columns never carries a square into a neighbouring row's real squares,
// and shifts fill with zeros at both ends.
#pragma once

#include <bit>
#include <cstdint>

namespace trevosk {

class Bitboard {
 public:
  constexpr Bitboard() = default;

  static constexpr int index(int x, int y) { return y * 16 + x; }
  static constexpr int x_of(int index) { return index & 15; }
  static constexpr int y_of(int index) { return index >> 4; }

  static constexpr Bitboard square(int x, int y) {
    Bitboard b;
    b.set(index(x, y));
    return b;
  }

  // All 196 squares of the board.
  static constexpr Bitboard board() {
    Bitboard b;
    for (int i = 0; i < 4; ++i) b.w_[i] = 0x3FFF3FFF3FFF3FFFull;
    b.w_[3] &= 0x00000000FFFFFFFFull;  // rows 14 and 15 are guards
    return b;
  }

  constexpr bool test(int i) const { return (w_[i >> 6] >> (i & 63)) & 1; }
  constexpr void set(int i) { w_[i >> 6] |= uint64_t{1} << (i & 63); }
  constexpr void reset(int i) { w_[i >> 6] &= ~(uint64_t{1} << (i & 63)); }

  constexpr bool any() const { return (w_[0] | w_[1] | w_[2] | w_[3]) != 0; }
  constexpr bool none() const { return !any(); }
  constexpr int count() const {
    return std::popcount(w_[0]) + std::popcount(w_[1]) + std::popcount(w_[2]) +
           std::popcount(w_[3]);
  }

  constexpr Bitboard operator&(const Bitboard& o) const {
    return Bitboard(w_[0] & o.w_[0], w_[1] & o.w_[1], w_[2] & o.w_[2], w_[3] & o.w_[3]);
  }
  constexpr Bitboard operator|(const Bitboard& o) const {
    return Bitboard(w_[0] | o.w_[0], w_[1] | o.w_[1], w_[2] | o.w_[2], w_[3] | o.w_[3]);
  }
  constexpr Bitboard operator^(const Bitboard& o) const {
    return Bitboard(w_[0] ^ o.w_[0], w_[1] ^ o.w_[1], w_[2] ^ o.w_[2], w_[3] ^ o.w_[3]);
  }
  constexpr Bitboard operator~() const { return Bitboard(~w_[0], ~w_[1], ~w_[2], ~w_[3]); }
  constexpr Bitboard& operator&=(const Bitboard& o) { return *this = *this & o; }
  constexpr Bitboard& operator|=(const Bitboard& o) { return *this = *this | o; }
  constexpr bool operator==(const Bitboard&) const = default;

  // Result bit i is bit i - n of this set (n may be negative); bits shifted
  // past either end are lost. |n| must be below 64.
  constexpr Bitboard shifted(int n) const {
    if (n > 0) {
      return Bitboard(w_[0] << n, (w_[1] << n) | (w_[0] >> (64 - n)),
                      (w_[2] << n) | (w_[1] >> (64 - n)), (w_[3] << n) | (w_[2] >> (64 - n)));
    }
    if (n < 0) {
      n = -n;
      return Bitboard((w_[0] >> n) | (w_[1] << (64 - n)), (w_[1] >> n) | (w_[2] << (64 - n)),
                      (w_[2] >> n) | (w_[3] << (64 - n)), w_[3] >> n);
    }
    return *this;
  }

  // The same for any n with |n| below 256, a word at a time.
  constexpr Bitboard shifted_far(int n) const {
    Bitboard b = *this;
    while (n > 63) b = b.shifted(63), n -= 63;
    while (n < -63) b = b.shifted(-63), n += 63;
    return b.shifted(n);
  }

  // The squares edge-adjacent to a square of this set, and the squares
  // diagonally adjacent to one, both limited to the board (the set itself
  // may be included).
  constexpr Bitboard edge_neighbours() const {
    return (shifted(1) | shifted(-1) | shifted(16) | shifted(-16)) & board();
  }
  constexpr Bitboard diagonal_neighbours() const {
    return (shifted(17) | shifted(15) | shifted(-15) | shifted(-17)) & board();
  }

  // Lowest and highest set bit; the set must not be empty.
  constexpr int lowest() const {
    for (int i = 0; i < 4; ++i)
      if (w_[i]) return i * 64 + std::countr_zero(w_[i]);
    return -1;
  }
  constexpr int highest() const {
    for (int i = 3; i >= 0; --i)
      if (w_[i]) return i * 64 + 63 - std::countl_zero(w_[i]);
    return -1;
  }

  // Calls f(index) for every set bit, from the highest to the lowest.
  template <class F>
  constexpr void for_each_descending(F&& f) const {
    for (int i = 3; i >= 0; --i) {
      uint64_t w = w_[i];
      while (w) {
        int b = 63 - std::countl_zero(w);
        f(i * 64 + b);
        w &= ~(uint64_t{1} << b);
      }
    }
  }
  // Calls f(index) for every set bit, from the lowest to the highest.
  template <class F>
  constexpr void for_each(F&& f) const {
    for (int i = 0; i < 4; ++i) {
      uint64_t w = w_[i];
      while (w) {
        f(i * 64 + std::countr_zero(w));
        w &= w - 1;
      }
    }
  }

  constexpr uint64_t word(int i) const { return w_[i]; }

 private:
  constexpr Bitboard(uint64_t a, uint64_t b, uint64_t c, uint64_t d) : w_{a, b, c, d} {}
  uint64_t w_[4] = {0, 0, 0, 0};
};

}  // namespace trevosk
