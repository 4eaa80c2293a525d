#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/dispatch.h"
#include "game/game_loop.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"
#include "rules/legal_moves.h"

namespace trevosk {
namespace {

// Records the loop's calls in one string: a redraw as "B12 s1 s2 turn
// player|" (board, both trays, score line), then "human p|", "move p|",
// "pass p|" or "finish|". The human seat places its first legal move.
struct Recorder : Display, HumanMover, MoveLog {
  std::string calls;
  std::vector<Move> moves;
  void note(const char* what, int n) {
    calls.append(what).append(" ").append(std::to_string(n)).append("|");
  }
  void draw_board(const Board&) override { calls += "B"; }
  void draw_pieces(const PiecesLeft&, int player) override { calls += std::to_string(player); }
  void draw_score(int s1, int s2, int turn, int player) override {
    for (int n : {s1, s2, turn}) calls.append(" ").append(std::to_string(n));
    note("", player);
  }
  void show_pass(int player) override { note("pass", player); }
  void finish() override { calls += "finish|"; }
  void move_played(int player, const Move& m) override {
    note("move", player);
    moves.push_back(m);
  }
  void play(GameState& g, int player, int turn) override {
    note("human", player);
    const int t = g.first_move[player] ? 1 : turn;
    const Move m = make_legal_list(player, g.pieces_left[player], g.field, t).at(0);
    setpiece(m, player, g.field, g.pieces_left[player], g.score[player], this);
    g.first_move[player] = false;
  }
};

// Catches redraws or passes missing or out of order, and a wrong final redraw or result.
TEST(GameLoop, PassesUntilBothAreBlocked) {
  // Two human seats; player 1 may use pieces a, b and c, player 2 only a.
  GameState g;
  g.pieces_left[1] = PiecesLeft::from_mask(0b111);
  g.pieces_left[2] = PiecesLeft::only(0);
  Recorder r;
  std::ostringstream out;
  Settings humans;
  humans.is_com = {false, false, false};
  Rng rng(1);
  run_game(humans, PlayerContext{&rng}, g, GameIo{r, r, r, out});
  EXPECT_EQ(r.calls,
            "B12 0 0 1 1|human 1|move 1|B12 3 0 1 2|human 2|move 2|"
            "B12 3 1 2 1|human 1|move 1|B12 5 1 2 2|pass 2|"
            "B12 5 1 3 1|human 1|move 1|B12 6 1 3 2|pass 2|"
            "B12 6 1 4 1|pass 1|B12 6 1 99 2|finish|");
  EXPECT_EQ(g.pass_bits, 3);
  EXPECT_EQ(out.str(), "Player1: 6  v.s. Player2: 1  Finished.\n");
  EXPECT_EQ(result_line(7, 12), "Player1: 7  v.s. Player2:12  Finished.\n");
}

// Catches a pass test before a player's first placement: a human seat that
// keeps passing is asked every turn, even when its start square is taken.
TEST(GameLoop, NoPassTestBeforeTheFirstPlacement) {
  struct Passer : HumanMover {
    int asked[3] = {0, 0, 0};
    void play(GameState&, int player, int) override { ++asked[player]; }
  } passer;
  Recorder display;
  GameState g;
  g.field.set_square(9, 9, Cell::Owned1);  // player 2 has no legal first move
  ASSERT_FALSE(isexist_legal(2, g.pieces_left[2], g.field, 1));
  Settings humans;
  humans.is_com = {false, false, false};
  Rng rng(1);
  std::ostringstream out;
  run_game(humans, PlayerContext{&rng}, g, GameIo{display, passer, display, out});
  EXPECT_EQ(passer.asked[1], 22);
  EXPECT_EQ(passer.asked[2], 22);
  EXPECT_EQ(g.pass_bits, 0);
  EXPECT_EQ(display.calls.find("pass"), std::string::npos);
}

// Catches a strategy in the wrong table cell, or a level read from the wrong player.
TEST(Dispatch, LevelTables) {
  const LevelTable tables[2][2] = {
      {{com_rand_play, com_monte_play, com_fuun3_play, com_fuun4_play, com_fuun4s_play,
        com_fuun5_play, com_fuun5s_play, com_fuun5s_play},
       {com_rand_play, com_monte_play, com_fuun3_play, com_fuun4r_play, com_fuun4sr_play,
        com_fuun5r_play, com_fuun5sr_play, com_fuun5sr_play}},
      {{com_rand_play, com_monte_play, com_fuun6_play, com_fuun3_play, com_fuun4_play,
        com_fuun5s_play, com_fuun5_play, com_fuun5_play},
       {com_rand_play, com_monte_play, com_fuun3_play, com_fuun6r_play, com_fuun4r_play,
        com_fuun5sr_play, com_fuun5r_play, com_fuun5r_play}}};
  Settings s;
  for (bool random : {false, true})
    for (int level = 1; level <= 8; ++level) {
      s.random_assist = random;
      s.level = {0, level, 9 - level};
      EXPECT_EQ(strategy_for(s, 1), tables[0][random][level - 1]) << level << random;
      EXPECT_EQ(strategy_for(s, 2), tables[1][random][9 - level - 1]) << level << random;
    }
}

// Catches 66t0 missing for player 1 at some level, played with -n, or played by player 2.
TEST(Dispatch, OpeningBook) {
  const std::vector<Move> joseki = {make_move(5, 5, 19, 0)};
  auto played = [](const Settings& s, int player) {
    GameState g;
    Rng rng(7);
    Recorder log;
    play_com(PlayerContext{&rng}, s, g, player, 1, log);
    return log.moves;
  };
  auto drawn = [](int player) {
    Rng rng(7);
    const PlayerContext ctx{&rng};
    return std::vector<Move>{com_rand_play(ctx, player, PiecesLeft(), Board(), 1, PiecesLeft())};
  };
  Settings s;
  for (bool random : {false, true})
    for (int level = 1; level <= 8; ++level) {
      s.random_assist = random;
      s.level = {0, level, 1};
      EXPECT_EQ(played(s, 1), joseki) << level << random;
    }
  EXPECT_EQ(played(s, 2), drawn(2));
  s.use_joseki = false;
  s.level[1] = 1;
  EXPECT_NE(drawn(1), joseki);
  EXPECT_EQ(played(s, 1), drawn(1));
}

}  // namespace
}  // namespace trevosk
