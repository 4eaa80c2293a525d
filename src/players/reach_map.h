// Reach-map evaluation of a position after a candidate move.
//
// Each player's map holds, per free square, how strongly that player can
// still get there: floods spread from every placement the player could make,
// then from the placements that become possible after that, in waves of
// sharply falling weight. The score compares the two maps square by square
// and adds a gain term for the size of the candidate piece. Three parameter
// sets share the procedure.
#pragma once

#include <array>

#include "players/flood.h"
#include "players/parallel.h"
#include "players/player.h"
#include "rules/bitboard.h"
#include "rules/board.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"
#include "rules/pieces_left.h"

namespace trevosk {

enum class FuunVariant { Fuun3, Fuun4, Fuun4s };

struct FuunParams {
  double decay;         // weight factor per flood step
  double blocked_mark;  // value of a free square next to the player's own
  bool mobility;        // waves scaled by the number of placements (fuun4s)
};

const FuunParams& fuun_params(FuunVariant v);

// The gain term of a candidate of g squares (integer division).
int fuun_gain(FuunVariant v, int g);

// Adds the contribution of one square (mover's value a, opponent's value b)
// to the running value by the variant's first matching cell rule.
double fuun_cell(FuunVariant v, double acc, double a, double b);

// One player's side of an evaluated position, as bit sets.
struct MapSide {
  Bitboard own;       // the player's squares
  Bitboard occupied;  // squares of either player
  Bitboard starts;    // squares still holding the player's start mark
};

// The side of player p on a board.
MapSide map_side(const Board& field, int p);

// Both sides after p's move m: its squares become p's and occupied, and a
// start square it covers loses its mark.
struct SidesAfter {
  MapSide mover;
  MapSide opponent;
};
SidesAfter sides_after(const Board& field, int p, const Move& m);

// Where a player's floods may go: free squares not edge-adjacent to the
// player's own, and the free squares next to them, which only take the
// blocked mark.
struct FloodRegion {
  Bitboard passable;
  Bitboard blockable;
};
FloodRegion flood_region(const MapSide& side);

// Scores every legal move of player p by the position it leaves, on up to
// `threads` threads: score(g, mover's side, opponent's side, p's pieces-left
// after the move), g being the move's square count. The candidate is
// applied to bit sets only.
template <class Score>
EvalResult evaluate_candidates(int threads, int p, const PiecesLeft& left, const Board& field,
                               int t, Score&& score) {
  EvalResult r;
  r.moves = make_legal_list(p, left, field, t);
  r.values.resize(r.moves.size());
  parallel_for(threads, static_cast<int>(r.moves.size()), [&](int i) {
    const Move& m = r.moves[i];
    PiecesLeft own = left;
    own.set(m.piece, false);
    const SidesAfter sides = sides_after(field, p, m);
    r.values[i] = score(piece_tables().square_count[m.piece], sides.mover, sides.opponent, own);
  });
  return r;
}

// A filled reach map in bitboard order, with the squares the waves marked.
struct BitReachMap {
  WeightGrid value;  // flood weight, the blocked mark, or 0.0
  Bitboard flooded;  // squares given a flood weight (marked on the scratch board)
};

// Fills a player's map in waves from weight w and turn t.
void fill_reach_map(FuunVariant v, const MapSide& side, double w, int t, const PiecesLeft& left,
                    BitReachMap& map);

// The score of the evaluated position for mover p after a candidate of g
// squares on game turn t, from the two sides of that position; left is p's
// pieces-left after the candidate.
double com_fuun(FuunVariant v, int g, const MapSide& mover, const MapSide& opponent,
                const PiecesLeft& left, int t, int p, const PiecesLeft& opp_left);

}  // namespace trevosk
