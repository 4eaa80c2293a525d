// Every strategy of the level tables on positions from random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fixtures/random_positions.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"

namespace trevosk {
namespace {

// Catches an illegal move, or a trial placement left on the board, pieces or score.
TEST(Strategies, LegalMoveAndArgumentsUntouched) {
  // Cut down for speed: the mover keeps one piece, the opponent its three smallest.
  const ComPlayer strategies[] = {com_rand_play,    com_monte_play,  com_fuun3_play,
                                  com_fuun4_play,   com_fuun4r_play, com_fuun4s_play,
                                  com_fuun4sr_play, com_fuun6_play,  com_fuun6r_play,
                                  com_fuun5_play,   com_fuun5r_play};
  const std::vector<fixtures::Position> positions = fixtures::random_positions(1357, 1);
  int calls = 0;
  for (size_t i = 0; i < positions.size(); i += 3) {
    auto small = fixtures::with_one_piece(positions[i]);
    if (!small) continue;
    fixtures::Position pos = *small;
    PiecesLeft opp = PiecesLeft::none();
    for (int piece = 0, kept = 0; piece < kPieceCount && kept < 3; ++piece)
      if (pos.opp()[piece]) opp.set(piece, true), ++kept;
    pos.left[3 - pos.player] = opp;
    const fixtures::Position before = pos;
    for (size_t k = 0; k < std::size(strategies); ++k) {
      SCOPED_TRACE("strategy " + std::to_string(k) + " turn " + std::to_string(pos.turn) +
                   " player " + std::to_string(pos.player));
      Rng rng(i);
      const Move m = strategies[k](PlayerContext{&rng, {0, 2, 2}}, pos.player, pos.own(), pos.field,
                                   pos.turn, pos.opp());
      EXPECT_NE(std::find(pos.moves.begin(), pos.moves.end(), m), pos.moves.end());
      EXPECT_EQ(pos.field, before.field);
      EXPECT_EQ(pos.left, before.left);
      EXPECT_EQ(pos.score, before.score);
      ++calls;
    }
  }
  EXPECT_GT(calls, 100);
}

}  // namespace
}  // namespace trevosk
