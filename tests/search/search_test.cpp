// The search: its position follows the game's rules, its playouts play
// legal games, and the search finds a lone winning move, repeats itself
// with one thread and a seed, keeps to its node pool and counts its
// simulations with two threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "game/game.h"
#include "game/notation.h"
#include "game/search_seat.h"
#include "players/rng.h"
#include "rules/legal_moves.h"
#include "search/endgame.h"
#include "search/orientations.h"
#include "search/search_options.h"

namespace trevosk {
namespace {

Game game_of(const std::string& codes) {
  Game g;
  std::istringstream in(codes);
  for (std::string code; in >> code;) {
    const Move m = parse_move(code);
    EXPECT_TRUE(g.is_legal(m)) << code;
    g.play(m);
  }
  return g;
}

std::vector<Move> placements(const SearchPosition& s) {
  std::vector<Move> out(size_t{96} * 196);
  out.resize(search_placements(s, out.data()));
  return out;
}

SearchSettings settings(std::initializer_list<std::pair<const char*, const char*>> options) {
  SearchSettings s;
  std::string error;
  for (const auto& [name, value] : options)
    EXPECT_TRUE(set_search_option(s, name, value, error)) << error;
  return s;
}

// Random games through Game, some passes by choice among them: at every
// half-move the search's position, played alongside, is the game's, its
// placements are the legal list without the square tetromino's duplicate
// orientation, and a playout from it replays as a legal game.
TEST(SearchPosition, FollowsTheGameAndItsPlayoutsAreLegalGames) {
  Rng rng(5);
  FastRng fast(5);
  for (int g = 0; g < 30; ++g) {
    Game game;
    SearchPosition s = SearchPosition::initial();
    while (!game.over()) {
      ASSERT_EQ(s, search_position(game.state()));
      ASSERT_FALSE(s.over());
      std::vector<Move> legal = game.legal_moves();
      if (legal.front().is_pass()) legal.clear();
      std::erase_if(legal, [](const Move& m) { return m.piece == 7 && m.rot == 1; });
      ASSERT_EQ(placements(s), legal) << "turn " << game.turn();

      SearchPosition sim = s;
      Game replay = game;
      playout(sim, PlayoutPolicy{g % 2 == 0, g % 4 < 2, 1 + g % 3, 1.0}, fast,
              [&](int, int player, const Move& m) {
                while (replay.to_move() != player + 1) replay.play(Move::pass());
                ASSERT_TRUE(replay.is_legal(m)) << move_code(m);
                replay.play(m);
              });
      EXPECT_EQ(sim.score[0], replay.score(1));
      EXPECT_EQ(sim.score[1], replay.score(2));

      const Move m =
          rng.index(12) == 0 || legal.empty() ? Move::pass() : legal[rng.index(int(legal.size()))];
      if (m.is_pass())
        s.pass();
      else
        s.play(m);
      game.play(m);
    }
    EXPECT_TRUE(s.over());
  }
}

// From a game of level 8 after six random half-moves: player 1 to move in
// turn 13 with 36 placements, of which only the monomino at 96 wins; the
// move features rank it last.
const char* const kLoneWin =
    "66t0 B9t5 58h1 D7f1 43m7 C4l7 7Bs3 78k7 BBl6 4Am6 DAu0 7Ds0 84o2 28u0 A2r3 14o0 31k7 "
    "ACi0 EEq1 A4a0 B7p3 82p0 72d1 46r3";

TEST(Search, FindsTheOnlyWinningMoveWithASmallBudget) {
  const Game game = game_of(kLoneWin);
  const SearchPosition s = search_position(game.state());
  const Move win = parse_move("96a0");
  for (const Move& m : placements(s)) {
    const std::optional<int> v = endgame_value_of(s, m, 10'000'000);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v > 0, m == win) << move_code(m);
  }
  const SearchResult r = search(s, SearchSettings{}, 3000, 1);
  EXPECT_EQ(r.move, win);
  EXPECT_EQ(solve_endgame(s, 10'000'000)->move, win);
}

TEST(Search, RepeatsWithOneThreadAndTheSameSeed) {
  const Game game = game_of("66t0 9Au0 7Ao4 6Cl2");
  const SearchPosition s = search_position(game.state());
  const SearchResult a = search(s, SearchSettings{}, 1500, 42);
  const SearchResult b = search(s, SearchSettings{}, 1500, 42);
  ASSERT_EQ(a.candidates.size(), b.candidates.size());
  for (size_t k = 0; k < a.candidates.size(); ++k) {
    EXPECT_EQ(a.candidates[k].move, b.candidates[k].move);
    EXPECT_EQ(a.candidates[k].visits, b.candidates[k].visits);
    EXPECT_EQ(a.candidates[k].win_rate, b.candidates[k].win_rate);
    EXPECT_EQ(a.candidates[k].pv, b.candidates[k].pv);
  }
  EXPECT_TRUE(game.is_legal(a.move));
}

// Every simulation passes through one edge of the root, whatever the
// threads; a full pool stops the tree, not the simulations.
TEST(Search, CountsItsSimulationsAndKeepsToItsPool) {
  const Game game = game_of("66t0 9Au0");
  const SearchPosition s = search_position(game.state());
  for (const SearchSettings& set :
       {settings({{"threads", "2"}}), settings({{"mem", "16"}, {"expand", "1"}})}) {
    const SearchResult r = search(s, set, 6000, 7);
    uint64_t visits = 0;
    for (const SearchCandidate& c : r.candidates) visits += c.visits;
    EXPECT_EQ(r.simulations, 6000u);
    EXPECT_EQ(visits, 6000u);
    EXPECT_TRUE(game.is_legal(r.move));
    EXPECT_LE(r.tree_bytes, size_t(set.params.memory_mb) << 20);
    EXPECT_EQ(r.pool_full, set.params.memory_mb == 16);
  }
}

TEST(SearchOptions, NamesValuesAndRanges) {
  SearchSettings s;
  std::string error;
  EXPECT_TRUE(set_search_option(s, "p", "200000", error));
  EXPECT_TRUE(set_search_option(s, "t", "1.5", error));
  EXPECT_TRUE(set_search_option(s, "rave", "0", error));
  EXPECT_EQ(s.playouts, 200000u);
  EXPECT_EQ(s.move_time, 1.5);
  EXPECT_EQ(s.params.rave, 0);
  const SearchSettings before = s;
  for (auto [name, value] : {std::pair{"p", "0"},
                             {"p", "1.5"},
                             {"threads", "0"},
                             {"t", "-1"},
                             {"t", "nan"},
                             {"c", "1e999"},
                             {"wp", "2"},
                             {"bogus", "1"},
                             {"p", ""},
                             {"p", "12x"}}) {
    error.clear();
    EXPECT_FALSE(set_search_option(s, name, value, error)) << name << "=" << value;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_EQ(s.playouts, before.playouts);
  EXPECT_EQ(s.threads, before.threads);
}

}  // namespace
}  // namespace trevosk
