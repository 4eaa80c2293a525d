#include "players/three_move.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "fixtures/random_positions.h"
#include "players/reach_players.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

int answers_read = 0;

// Stand-ins for the reach-map evaluation with known values. The reply
// values each move by its square count, so the first move of the largest
// piece is chosen; the answer peaks at 100.0 in the middle of the list.
template <bool kAnswer>
EvalResult fake_eval(const PlayerContext&, int player, const PiecesLeft& left, const Board& field,
                     int turn, const PiecesLeft&) {
  answers_read += kAnswer;
  EvalResult r{make_legal_list(player, left, field, turn), {}};
  const int mid = static_cast<int>(r.moves.size()) / 2;
  for (int i = 0; i < static_cast<int>(r.moves.size()); ++i)
    r.values.push_back(kAnswer ? 100.0 - std::abs(i - mid)
                               : piece_tables().square_count[r.moves[i].piece]);
  return r;
}
constexpr Evaluator answer_peaked = fake_eval<true>, reply_by_size = fake_eval<false>;

// Catches wrong blocked-side constants, a reply weight other than 3 - p, or a worse answer.
TEST(ThreeMove, ReadingOneCandidate) {
  // A five-square candidate on turn 1 for either player, then a five-square reply.
  const Move joseki = make_move(5, 5, 19, 0);
  Board after;
  PiecesLeft left1;
  int s = 0;
  setpiece(joseki, 1, after, left1, s);
  auto check = [](int p, const Board& field, const PiecesLeft& opp, const Move& m) {
    SCOPED_TRACE("player " + std::to_string(p));
    const int w = 3 - p;
    auto read = [&](const PiecesLeft& left, const PiecesLeft& opp_left) {
      return play_sakiyomi(PlayerContext{}, m, p, left, field, 1, opp_left, answer_peaked,
                           reply_by_size);
    };
    EXPECT_EQ(read(PiecesLeft(), PiecesLeft::none()), 10.0 * 5 + 10);
    EXPECT_EQ(read(PiecesLeft(), opp), 5 - w * 5 + 10 + 100.0);
    answers_read = 0;
    EXPECT_EQ(read(PiecesLeft::only(m.piece), opp), 5 - w * 5 + 10 - 99.0);
    EXPECT_EQ(answers_read, 0);
  };
  check(1, Board(), PiecesLeft(), joseki);
  check(2, after, left1, make_move(9, 10, 20, 0));
}

// Catches the wrong candidates or width read, or a wrong order or value of the results.
TEST(ThreeMove, SanteEvalReadsTheBestByWidth) {
  const std::vector<fixtures::Position> positions = fixtures::random_positions(23, 1);
  size_t unread = 0;
  for (int i : {0, 1, 6, 9}) {
    auto small = fixtures::with_one_piece(positions[i]);
    ASSERT_TRUE(small);
    const fixtures::Position& pos = *small;
    const int p = pos.player;
    const EvalResult first =
        com_fuun4_eval(PlayerContext{}, p, pos.own(), pos.field, pos.turn, pos.opp());
    std::vector<Candidate> sorted;
    for (size_t k = 0; k < first.moves.size(); ++k)
      sorted.push_back({first.moves[k], first.values[k]});
    sorted = sort_te(sorted);
    for (int width : {1, 3}) {
      SCOPED_TRACE("position " + std::to_string(i) + " width " + std::to_string(width));
      Rng rng(1);
      PlayerContext ctx{&rng};
      ctx.think_width[p] = width;
      ctx.think_width[3 - p] = 2;
      const std::vector<Candidate> r = com_sante_eval(ctx, p, pos.own(), pos.field, pos.turn,
                                                      pos.opp(), answer_peaked, reply_by_size);
      ASSERT_EQ(r.size(), sorted.size());
      const size_t n = std::min(sorted.size(), static_cast<size_t>(width));
      unread += r.size() - n;
      for (size_t k = 0; k < r.size(); ++k) {
        const Candidate& s = k < n ? sorted[n - 1 - k] : sorted[k];
        EXPECT_EQ(r[k].move, s.move) << k;
        const double read = k < n ? play_sakiyomi(ctx, s.move, p, pos.own(), pos.field, pos.turn,
                                                  pos.opp(), answer_peaked, reply_by_size)
                                  : 0.0;
        EXPECT_EQ(r[k].value, s.value + read) << k;
      }
    }
  }
  EXPECT_GT(unread, 10u);
}

}  // namespace
}  // namespace trevosk
