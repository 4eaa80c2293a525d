#include "search/endgame.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "search/orientations.h"

namespace trevosk {

namespace {

constexpr int kInfinity = 1 << 20;
constexpr int kMaxPlacements = 96 * 196;

class Solver {
 public:
  explicit Solver(uint64_t limit) : limit_(limit) {}

  // The value for the side to move; meaningless once out() holds.
  int negamax(const SearchPosition& s, int alpha, int beta, Move* best) {
    if (++nodes_ > limit_) return 0;
    if (s.over()) return endgame_value(s.margin(s.to_move));
    std::array<Move, kMaxPlacements>& moves = buffer(depth_);
    const int n = s.blocked[s.to_move] ? 0 : search_placements(s, moves.data());
    if (n == 0) {
      SearchPosition next = s;
      next.pass();
      if (best) *best = Move::pass();
      return -child(next, -beta, -alpha);
    }
    // Large pieces first: they decide most endings and cut the search early.
    std::stable_sort(moves.begin(), moves.begin() + n, [](const Move& a, const Move& b) {
      return shape(a.piece, a.rot).size > shape(b.piece, b.rot).size;
    });
    int value = -kInfinity;
    for (int k = 0; k < n; ++k) {
      SearchPosition next = s;
      next.play(moves[k]);
      const int v = -child(next, -beta, -alpha);
      if (out()) return 0;
      if (v > value) {
        value = v;
        if (best) *best = moves[k];
      }
      alpha = std::max(alpha, v);
      if (alpha >= beta) break;
    }
    return value;
  }

  bool out() const { return nodes_ > limit_; }

 private:
  int child(const SearchPosition& s, int alpha, int beta) {
    ++depth_;
    const int v = negamax(s, alpha, beta, nullptr);
    --depth_;
    return v;
  }
  // One move list per depth, made on first use.
  std::array<Move, kMaxPlacements>& buffer(int depth) {
    if (depth >= static_cast<int>(lists_.size())) lists_.resize(depth + 1);
    if (!lists_[depth]) lists_[depth] = std::make_unique<std::array<Move, kMaxPlacements>>();
    return *lists_[depth];
  }

  uint64_t limit_;
  uint64_t nodes_ = 0;
  int depth_ = 0;
  std::vector<std::unique_ptr<std::array<Move, kMaxPlacements>>> lists_;
};

}  // namespace

std::optional<EndgameResult> solve_endgame(const SearchPosition& s, uint64_t node_limit) {
  Solver solver(node_limit);
  EndgameResult r{Move::pass(), 0};
  r.value = solver.negamax(s, -kInfinity, kInfinity, &r.move);
  if (solver.out()) return std::nullopt;
  return r;
}

std::optional<int> endgame_value_of(const SearchPosition& s, const Move& m, uint64_t node_limit) {
  SearchPosition next = s;
  if (m.is_pass())
    next.pass();
  else
    next.play(m);
  if (next.over()) return endgame_value(next.margin(s.to_move));
  Solver solver(node_limit);
  const int v = -solver.negamax(next, -kInfinity, kInfinity, nullptr);
  if (solver.out()) return std::nullopt;
  return v;
}

}  // namespace trevosk
