// Playouts: the fast simulated games the search finishes its simulations
// with.
//
// Each simulated placement is drawn at random among the placements of the
// largest pieces the side to move can still place (its five-square pieces
// while it can, then its four-square ones, and so on: what good players
// do, and far stronger than a uniform draw), or, with `largest` off, among
// all its placements. With `tries` above 1, that many placements are drawn
// and the best by a quick score is played: the open corners it makes for
// its player less those it uses up, plus `block` per open corner of the
// opponent it covers. A player with no placement passes, as in the game.
#pragma once

#include <cstdint>

#include "search/fast_rng.h"
#include "search/position.h"

namespace trevosk {

struct PlayoutPolicy {
  bool largest = true;
  bool by_piece = true;  // a piece first, uniformly, then one of its placements
  int tries = 1;
  double block = 1.0;
};

// Draws a placement for the side to move; false when it has none.
bool playout_move(const SearchPosition& s, const PlayoutPolicy& policy, FastRng& rng, Move& out);

// Plays the position to the end. Each placement is also handed to
// seen(ply, player index, move), in order (ply counts from 0 at the start
// of the playout).
template <class Seen>
void playout(SearchPosition& s, const PlayoutPolicy& policy, FastRng& rng, Seen&& seen) {
  int ply = 0;
  while (!s.over()) {
    Move m;
    if (s.blocked[s.to_move] || !playout_move(s, policy, rng, m)) {
      s.pass();
    } else {
      seen(ply, s.to_move, m);
      s.play(m);
    }
    ++ply;
  }
}

}  // namespace trevosk
