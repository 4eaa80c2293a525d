// Every strategy of the level tables on positions from random games.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../rules/test_positions.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"

namespace trevosk {
namespace {

using fixtures::Position;

struct Strategy {
  const char* name;
  ComPlayer play;
  bool reads_ahead;  // evaluates the opponent's replies too
};

const Strategy kStrategies[] = {
    {"com_rand_play", com_rand_play, false},       {"com_monte_play", com_monte_play, false},
    {"com_fuun3_play", com_fuun3_play, false},     {"com_fuun4_play", com_fuun4_play, false},
    {"com_fuun4r_play", com_fuun4r_play, false},   {"com_fuun4s_play", com_fuun4s_play, false},
    {"com_fuun4sr_play", com_fuun4sr_play, false}, {"com_fuun6_play", com_fuun6_play, false},
    {"com_fuun6r_play", com_fuun6r_play, false},   {"com_fuun5_play", com_fuun5_play, true},
    {"com_fuun5s_play", com_fuun5s_play, true},    {"com_fuun5r_play", com_fuun5r_play, true},
    {"com_fuun5sr_play", com_fuun5sr_play, true},
};

// Catches a strategy that returns an illegal move or leaves a trace of its
// trial placements on the board, the pieces-left arrays or the score. The
// mover's pieces are cut down to keep the evaluations short; the reading
// players also face an opponent left with its three smallest pieces.
TEST(Strategies, LegalMoveAndArgumentsUntouched) {
  const std::vector<Position> positions = fixtures::random_positions(1357, 1);
  int calls = 0;
  for (size_t i = 0; i < positions.size(); i += 3) {
    auto small = fixtures::with_few_moves(positions[i], 6);
    if (!small) continue;
    for (const Strategy& s : kStrategies) {
      Position pos = *small;
      if (s.reads_ahead) {
        PiecesLeft opp = PiecesLeft::none();
        for (int piece = 0, kept = 0; piece < kPieceCount && kept < 3; ++piece)
          if (pos.opp()[piece]) opp.set(piece, true), ++kept;
        pos.left[3 - pos.player] = opp;
      }
      SCOPED_TRACE(std::string(s.name) + " turn " + std::to_string(pos.turn) + " player " +
                   std::to_string(pos.player));
      Rng rng(i);
      const Position before = pos;
      const Move m = s.play(PlayerContext{&rng, {0, 2, 2}}, pos.player, pos.own(),
                            pos.score[pos.player], pos.field, pos.turn, pos.opp());
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
