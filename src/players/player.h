// What every computer strategy shares: its signature, its context and the
// result of an evaluator.
#pragma once

#include <array>
#include <vector>

#include "players/rng.h"
#include "rules/board.h"
#include "rules/move.h"
#include "rules/pieces_left.h"

namespace trevosk {

// The per-game settings a strategy reads, and the game's random generator.
// Strategies hold no other state, so games with their own contexts can run
// side by side.
struct PlayerContext {
  Rng* rng = nullptr;
  // Think width of the three-move reading, indexed by player number 1 or 2.
  std::array<int, 3> think_width{0, 10, 10};
  // How many threads the strategy may use, the caller's included: 1 keeps
  // all work on the caller, hardware_threads() (players/parallel.h) uses
  // every core. The move chosen is the same whatever the number.
  int threads = 1;
};

// A computer strategy: (context, player, own pieces-left, board, turn,
// opponent's pieces-left) -> a legal move. It never changes its arguments
// (the context's generator apart) and is only called when the player has a
// legal move.
using ComPlayer = Move (*)(const PlayerContext& ctx, int player, const PiecesLeft& left,
                           const Board& field, int turn, const PiecesLeft& opp_left);

// An evaluator's result: the legal moves in make_legal_list order and one
// value per move, the i-th value belonging to the i-th move.
struct EvalResult {
  std::vector<Move> moves;
  std::vector<double> values;
};

// An evaluator: the strategy's arguments -> EvalResult. It reads only the
// context's thread budget.
using Evaluator = EvalResult (*)(const PlayerContext& ctx, int player, const PiecesLeft& left,
                                 const Board& field, int turn, const PiecesLeft& opp_left);

// A move with its value.
struct Candidate {
  Move move;
  double value;
};

}  // namespace trevosk
