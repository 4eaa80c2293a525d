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

#include "rules/board.h"
#include "rules/pieces_left.h"

namespace trevosk {

enum class FuunVariant { Fuun3, Fuun4, Fuun4s };

// A reach map, indexed [x][y] (column first).
using ReachMap = std::array<std::array<double, kBoardSize>, kBoardSize>;

struct FuunParams {
  double decay;         // weight factor per flood step
  double blocked_mark;  // value of a free square next to the player's own
  bool mobility;        // waves scaled by the number of placements (fuun4s)
};

const FuunParams& fuun_params(FuunVariant v);

// The gain term of a candidate of g squares (integer division).
int fuun_gain(FuunVariant v, int g);

// Adds the contribution of one square (mover's value a, opponent's value b)
// to v by the variant's first matching cell rule.
double fuun_cell(FuunVariant v, double acc, double a, double b);

// Fills q's reach map in waves from weight w and turn t; scratch starts as a
// copy of the evaluated board and collects the flooded squares.
void fuun_master(FuunVariant v, const Board& evaluated, Board& scratch, ReachMap& map, int q,
                 double w, int t, const PiecesLeft& left);

// The score of the evaluated board for mover p after a candidate of g
// squares on game turn t; left is p's pieces-left after the candidate.
double com_fuun(FuunVariant v, int g, const Board& evaluated, int p, const PiecesLeft& left,
                int t, const PiecesLeft& opp_left);

}  // namespace trevosk
