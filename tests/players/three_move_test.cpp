#include "players/three_move.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../rules/test_positions.h"
#include "players/reach_players.h"
#include "players/selection.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

using fixtures::Position;

// Catches an unstable sort or one in the wrong direction (on enough
// candidates that a plain sort would reorder equal values).
TEST(ThreeMove, SortTeIsStableLargestFirst) {
  std::vector<Candidate> c;
  for (int i = 0; i < 200; ++i) c.push_back({make_move(i % 14, i / 14, 0, 0), (i * 7 % 5) - 2.5});
  const std::vector<Candidate> sorted = sort_te(c);
  ASSERT_EQ(sorted.size(), c.size());
  auto index = [](const Candidate& x) { return x.move.y * 14 + x.move.x; };
  for (size_t i = 1; i < sorted.size(); ++i) {
    ASSERT_GE(sorted[i - 1].value, sorted[i].value);
    if (sorted[i - 1].value == sorted[i].value) {
      ASSERT_LT(index(sorted[i - 1]), index(sorted[i]));
    }
  }
}

// Evaluators standing in for the reach-map evaluation, cheap and with known
// values; they record what they were handed.
struct Call {
  int player;
  PiecesLeft left;
  Board field;
  int turn;
  PiecesLeft opp_left;
};
std::vector<Call> reply_calls, answer_calls;

// The opponent's reply: every legal move valued by its square count, so the
// first listed move of the largest piece is chosen.
EvalResult reply_by_size(int player, const PiecesLeft& left, int, const Board& field, int turn,
                         const PiecesLeft& opp_left) {
  reply_calls.push_back({player, left, field, turn, opp_left});
  EvalResult r;
  r.moves = make_legal_list(player, left, field, turn);
  for (const Move& m : r.moves) r.values.push_back(piece_tables().square_count[m.piece]);
  return r;
}

// The mover's answer: values peaking at 100.0 in the middle of the list, so
// that the largest value is neither the first nor the last.
EvalResult answer_peaked(int player, const PiecesLeft& left, int, const Board& field, int turn,
                         const PiecesLeft& opp_left) {
  answer_calls.push_back({player, left, field, turn, opp_left});
  EvalResult r;
  r.moves = make_legal_list(player, left, field, turn);
  const int mid = static_cast<int>(r.moves.size()) / 2;
  for (int i = 0; i < static_cast<int>(r.moves.size()); ++i)
    r.values.push_back(100.0 - std::abs(i - mid));
  return r;
}

struct Applied {
  Board field;
  PiecesLeft left;
  int squares = 0;
};
Applied apply(const Board& b, PiecesLeft left, const Move& m, int player) {
  Applied a{b, left};
  setpiece(m, player, a.field, a.left, a.squares);
  return a;
}

// The reading of one candidate for either player, from the turn-1 position
// after player 1's 66t0: catches a wrong constant for a blocked opponent or
// mover, a reply weight other than 3 - p, the reply not the first best, the
// answer not the best, and evaluators handed the wrong player, turn,
// arrays or board.
TEST(ThreeMove, ReadingOneCandidate) {
  const Move joseki = make_move(5, 5, 19, 0);
  const Applied after_p1 = apply(Board(), PiecesLeft(), joseki, 1);
  struct Case {
    int p, t;
    Board field;
    PiecesLeft left, opp;
    Move m;
  };
  const Case cases[] = {
      {1, 1, Board(), PiecesLeft(), PiecesLeft(), joseki},
      {2, 1, after_p1.field, PiecesLeft(), after_p1.left, make_move(9, 10, 20, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("player " + std::to_string(c.p));
    const int q = 3 - c.p, tq = c.t + c.p - 1, w = 3 - c.p;
    const Applied cand = apply(c.field, c.left, c.m, c.p);
    // The opponent blocked (no pieces): 10 x squares + 10, nothing read.
    reply_calls.clear();
    answer_calls.clear();
    EXPECT_EQ(play_sakiyomi(c.m, c.p, c.left, c.field, c.t, PiecesLeft::none(), answer_peaked,
                            reply_by_size),
              10.0 * 5 + 10);
    EXPECT_TRUE(reply_calls.empty() && answer_calls.empty());

    // The full reading.
    const double d =
        play_sakiyomi(c.m, c.p, c.left, c.field, c.t, c.opp, answer_peaked, reply_by_size);
    ASSERT_EQ(reply_calls.size(), 1u);
    const Call& r = reply_calls[0];
    EXPECT_EQ(r.player, q);
    EXPECT_EQ(r.turn, tq);
    EXPECT_EQ(r.field, cand.field);
    EXPECT_EQ(r.left, c.opp);
    EXPECT_EQ(r.opp_left, cand.left);
    const Move reply = make_legal_list(q, c.opp, cand.field, tq).front();
    ASSERT_EQ(piece_tables().square_count[reply.piece], 5);
    const Applied both = apply(cand.field, c.opp, reply, q);
    ASSERT_EQ(answer_calls.size(), 1u);
    const Call& a = answer_calls[0];
    EXPECT_EQ(a.player, c.p);
    EXPECT_EQ(a.turn, c.t + 1);
    EXPECT_EQ(a.field, both.field);
    EXPECT_EQ(a.left, cand.left);
    EXPECT_EQ(a.opp_left, both.left);
    EXPECT_EQ(d, static_cast<double>(5 - w * 5 + 10) + 100.0);

    // The mover blocked after the reply (no pieces left after m): -99.
    answer_calls.clear();
    EXPECT_EQ(play_sakiyomi(c.m, c.p, PiecesLeft::only(c.m.piece), c.field, c.t, c.opp,
                            answer_peaked, reply_by_size),
              5 - w * 5 + 10 - 99.0);
    EXPECT_TRUE(answer_calls.empty());
  }
}

// A position with few moves for both sides: the mover's pieces cut down,
// the opponent left with its three smallest pieces.
std::vector<Position> small_positions(uint64_t seed, std::vector<int> picks) {
  const std::vector<Position> positions = fixtures::random_positions(seed, 1);
  std::vector<Position> out;
  for (int i : picks) {
    auto small = fixtures::with_few_moves(positions[i], 5);
    if (!small) continue;
    PiecesLeft opp = PiecesLeft::none();
    for (int piece = 0, kept = 0; piece < kPieceCount && kept < 3; ++piece)
      if (small->opp()[piece]) opp.set(piece, true), ++kept;
    small->left[3 - small->player] = opp;
    out.push_back(*small);
  }
  return out;
}

// The reading over a whole position for several widths: catches reading
// the wrong candidates or the wrong number, the read ones not in reverse
// reading order, unread ones not keeping their one-move values and sorted
// order, and the width read from the other player's cell.
TEST(ThreeMove, SanteEvalReadsTheBestByWidth) {
  for (const Position& pos : small_positions(23, {0, 1, 6, 9, 12})) {
    const int p = pos.player;
    const EvalResult first = com_fuun4_eval(p, pos.own(), 0, pos.field, pos.turn, pos.opp());
    std::vector<Candidate> sorted;
    for (size_t i = 0; i < first.moves.size(); ++i)
      sorted.push_back({first.moves[i], first.values[i]});
    sorted = sort_te(sorted);
    for (int width : {1, 3, 99}) {
      SCOPED_TRACE("turn " + std::to_string(pos.turn) + " player " + std::to_string(p) + " width " +
                   std::to_string(width));
      Rng rng(1);
      PlayerContext ctx{&rng};
      ctx.think_width[p] = width;
      ctx.think_width[3 - p] = 2;
      const std::vector<Candidate> r = com_sante_eval(ctx, p, pos.own(), 0, pos.field, pos.turn,
                                                      pos.opp(), answer_peaked, reply_by_size);
      const size_t n = std::min(sorted.size(), static_cast<size_t>(width));
      ASSERT_EQ(r.size(), sorted.size());
      for (size_t i = 0; i < n; ++i) {
        const Candidate& s = sorted[i];
        EXPECT_EQ(r[n - 1 - i].move, s.move);
        EXPECT_EQ(r[n - 1 - i].value,
                  s.value + play_sakiyomi(s.move, p, pos.own(), pos.field, pos.turn, pos.opp(),
                                          answer_peaked, reply_by_size));
      }
      for (size_t i = n; i < r.size(); ++i) {
        EXPECT_EQ(r[i].move, sorted[i].move);
        EXPECT_EQ(r[i].value, sorted[i].value);
      }
    }
  }
}

// The level 6 to 8 players: the first best of the reading with the fuun4
// evaluation for both plies, after the noise in the random-assist forms.
TEST(ThreeMove, PlayersPickTheFirstBestReading) {
  for (const Position& pos : small_positions(31, {1, 4, 10})) {
    const int p = pos.player;
    SCOPED_TRACE("turn " + std::to_string(pos.turn) + " player " + std::to_string(p));
    Rng rng(6), same(6);
    PlayerContext ctx{&rng};
    ctx.think_width = {0, 2, 2};
    const std::vector<Candidate> r = com_sante_eval(ctx, p, pos.own(), 0, pos.field, pos.turn,
                                                    pos.opp(), com_fuun4_eval, com_fuun4_eval);
    const Move best = find_max(r, r.front().move, -9999.0);
    EXPECT_EQ(com_fuun5_play(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()), best);
    EXPECT_EQ(com_fuun5s_play(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()), best);
    std::vector<Move> moves;
    std::vector<double> values;
    for (const Candidate& c : r) moves.push_back(c.move), values.push_back(c.value);
    const Move noisy = find_max_of(moves, com_random_assist2(values, pos.turn, same));
    EXPECT_EQ(com_fuun5r_play(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()), noisy);
    const Move noisy2 = find_max_of(moves, com_random_assist2(values, pos.turn, same));
    EXPECT_EQ(com_fuun5sr_play(ctx, p, pos.own(), 0, pos.field, pos.turn, pos.opp()), noisy2);
    EXPECT_EQ(rng.index(1 << 30), same.index(1 << 30));
  }
}

}  // namespace
}  // namespace trevosk
