// Exact search of the end of a game: the best result both sides can force,
// by a negamax search with alpha-beta over every placement to the end.
//
// The value of a finished game for a player is its win, draw or loss first
// and its final square difference second, so that the search prefers any
// win to any draw, and the larger win among wins. It gives up once it has
// visited `node_limit` positions; late in a game, when few pieces fit, the
// whole tree is small.
#pragma once

#include <cstdint>
#include <optional>

#include "search/position.h"

namespace trevosk {

// The value of a final margin m (squares) for the player it belongs to.
constexpr int endgame_value(int margin) {
  return (margin > 0 ? 1000 : margin < 0 ? -1000 : 0) + margin;
}

struct EndgameResult {
  Move move;  // the best move of the side to move (the pass when it has none)
  int value;  // endgame_value of the final margin under best play, its view
};

// Solves the position, or nothing when it needs more than node_limit
// positions. The position must not be over.
std::optional<EndgameResult> solve_endgame(const SearchPosition& s, uint64_t node_limit);

// The value of one move under best play afterwards, or nothing past the
// limit.
std::optional<int> endgame_value_of(const SearchPosition& s, const Move& m, uint64_t node_limit);

}  // namespace trevosk
