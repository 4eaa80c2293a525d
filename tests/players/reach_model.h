// A second, plain model of the reach maps, written from their rules rather
// than from the players' code: each wave spreads breadth first from all its
// sources at once, so that a square keeps the weight of its nearest source
// (the earliest listed among equally near ones) unless it already held at
// least as much. The players flood depth first; both must give the same maps.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "players/reach_map.h"
#include "rules/filtered_moves.h"
#include "rules/legal_moves.h"

namespace trevosk::model {

struct Map {
  std::array<std::array<double, kBoardSize>, kBoardSize> weight{};
  std::array<std::array<uint32_t, kBoardSize>, kBoardSize> have{};
};

struct Source {
  int x, y;
  uint32_t mask;
};

struct Variant {
  double decay, mark;
  bool mobility;
};

// One wave from the sources with weight w; returns the number of squares
// newly marked as q's on the scratch board.
inline int wave(const Board& evaluated, Board& scratch, Map& map, int q, double decay, double mark,
                const std::vector<Source>& sources, double w) {
  struct Step {
    int x, y;
    double w;
    uint32_t mask;
  };
  std::array<std::array<bool, kBoardSize>, kBoardSize> reached{};
  std::deque<Step> queue;
  int fresh = 0;
  auto own = [&](int x, int y) {
    return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize &&
           evaluated.square(x, y) == owned_cell(q);
  };
  auto arrive = [&](int x, int y, double weight, uint32_t mask) {
    if (x < 0 || x >= kBoardSize || y < 0 || y >= kBoardSize) return;
    const Cell c = evaluated.square(x, y);
    if (c == Cell::Owned1 || c == Cell::Owned2) return;
    if (own(x + 1, y) || own(x - 1, y) || own(x, y + 1) || own(x, y - 1)) {
      map.weight[x][y] = mark;
      map.have[x][y] = 0;
      return;
    }
    if (reached[x][y] || !(map.weight[x][y] < weight)) return;
    reached[x][y] = true;
    map.weight[x][y] = weight;
    map.have[x][y] = mask;
    if (scratch.square(x, y) != owned_cell(q)) ++fresh;
    scratch.set_square(x, y, owned_cell(q));
    queue.push_back({x, y, weight, mask});
  };
  for (const Source& s : sources) arrive(s.x, s.y, w, s.mask);
  while (!queue.empty()) {
    const Step s = queue.front();
    queue.pop_front();
    const double next = s.w * decay;
    arrive(s.x + 1, s.y, next, s.mask);
    arrive(s.x - 1, s.y, next, s.mask);
    arrive(s.x, s.y + 1, next, s.mask);
    arrive(s.x, s.y - 1, next, s.mask);
  }
  return fresh;
}

// The parameter sets of levels 3 to 5, as tabled.
inline Variant variant(FuunVariant v) {
  switch (v) {
    case FuunVariant::Fuun3:
      return {0.85, 0.0, false};
    case FuunVariant::Fuun4:
      return {0.75, 1e-8, false};
    case FuunVariant::Fuun4s:
      return {0.75, 1e-8, true};
  }
  return {};
}

// The waves of fuun3, fuun4 and fuun4s: single squares before turn 4, the
// real placements afterwards, until a listing is empty or a wave floods
// nothing new.
inline Map master(FuunVariant fv, const Board& evaluated, Board& scratch, int q, double w, int t,
                  const PiecesLeft& left) {
  const Variant v = variant(fv);
  Map map;
  for (;;) {
    const std::vector<Move> l1 = make_legal_list(q, left, scratch, t);
    const std::vector<Move> l2 = make_legal_list(q, PiecesLeft::only(0), scratch, t);
    if (l1.empty() || l2.empty()) break;
    const double m = v.mobility ? std::min(10.0, static_cast<double>(l1.size()) / 3.0) : 1.0;
    std::vector<Source> sources;
    for (const Move& mv : t < 4 ? l2 : l1) sources.push_back({mv.x, mv.y, 0});
    if (wave(evaluated, scratch, map, q, v.decay, v.mark, sources, w * m) == 0) break;
    w = w * 0.01 * m;
    t += 1;
  }
  return map;
}

// The waves of the piece-set evaluation: filtered placements, each flooding
// with the have mask less its own piece.
inline Map master6(const Board& evaluated, Board& scratch, int q, double w, int t,
                   const PiecesLeft& left, uint32_t h) {
  Map map;
  auto moves = std::make_unique<MoveList>();
  for (;;) {
    HaveMasks have;
    for (int x = 0; x < kBoardSize; ++x)
      for (int y = 0; y < kBoardSize; ++y) have[x][y] = map.have[x][y];
    f6_make_legal_list(q, left, scratch, t, have, *moves);
    if (moves->empty()) break;
    std::vector<Source> sources;
    for (const Move& mv : *moves) sources.push_back({mv.x, mv.y, h & ~(uint32_t{1} << mv.piece)});
    if (wave(evaluated, scratch, map, q, 0.75, 1e-8, sources, w) == 0) break;
    w = w * 0.01;
    t += 1;
  }
  return map;
}

}  // namespace trevosk::model
