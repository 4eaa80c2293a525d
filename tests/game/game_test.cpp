#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/dispatch.h"
#include "game/game_loop.h"
#include "game/program.h"
#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"
#include "rules/legal_moves.h"
#include "rules/pieces.h"

namespace trevosk {
namespace {

// Records the loop's calls as short strings: "board", "tray 1", "score 0 0
// 1 1" (scores, turn, player), "pass 2", "human 1 3" (player, turn),
// "finish".
struct Recorder : Display, HumanMover, MoveLog {
  std::vector<std::string> calls;
  std::vector<Move> moves;
  // What the human seat does: true to place, false to pass.
  std::function<bool(GameState&, int, int)> human = [](GameState&, int, int) { return true; };

  void draw_board(const Board&) override { calls.push_back("board"); }
  void draw_pieces(const PiecesLeft&, int player) override {
    calls.push_back("tray " + std::to_string(player));
  }
  void draw_score(int s1, int s2, int turn, int player) override {
    calls.push_back("score " + std::to_string(s1) + " " + std::to_string(s2) + " " +
                    std::to_string(turn) + " " + std::to_string(player));
  }
  void show_pass(int player) override { calls.push_back("pass " + std::to_string(player)); }
  void finish() override { calls.push_back("finish"); }
  void move_played(int player, const Move& m) override {
    calls.push_back("move " + std::to_string(player));
    moves.push_back(m);
  }
  // Places the first legal move (as a first move while the flag is set).
  void play(GameState& g, int player, int turn) override {
    calls.push_back("human " + std::to_string(player) + " " + std::to_string(turn));
    if (!human(g, player, turn)) return;
    const std::vector<Move> legal =
        make_legal_list(player, g.pieces_left[player], g.field, g.first_move[player] ? 1 : turn);
    ASSERT_FALSE(legal.empty());
    setpiece(legal.front(), player, g.field, g.pieces_left[player], g.score[player], this);
    g.first_move[player] = false;
  }
};

std::vector<std::string> redraw(int s1, int s2, int turn, int player) {
  return {"board", "tray 1", "tray 2",
          "score " + std::to_string(s1) + " " + std::to_string(s2) + " " + std::to_string(turn) +
              " " + std::to_string(player)};
}

struct Expected {
  std::vector<std::string> calls;
  Expected& redraw(int s1, int s2, int turn, int player) {
    for (std::string& c : trevosk::redraw(s1, s2, turn, player)) calls.push_back(c);
    return *this;
  }
  Expected& then(const std::string& c) {
    calls.push_back(c);
    return *this;
  }
};

Settings humans() {
  Settings s;
  s.is_com = {false, false, false};
  return s;
}

// Two human seats; player 1 may use pieces a, b and c, player 2 only a.
// Catches a redraw missing or out of order, a pass test before the first
// placement or not repeated every turn, half-turns not skipped once both
// are blocked, and a wrong final redraw or result line.
TEST(GameLoop, PassesUntilBothAreBlocked) {
  GameState g;
  g.pieces_left[1] = PiecesLeft::from_mask(0b111);
  g.pieces_left[2] = PiecesLeft::only(0);
  Recorder r;
  std::ostringstream out;
  Rng rng(1);
  run_game(humans(), PlayerContext{&rng}, g, GameIo{r, r, r, out});
  const Expected e = Expected()
                         .redraw(0, 0, 1, 1)
                         .then("human 1 1")
                         .then("move 1")
                         .redraw(3, 0, 1, 2)
                         .then("human 2 1")
                         .then("move 2")
                         .redraw(3, 1, 2, 1)
                         .then("human 1 2")
                         .then("move 1")
                         .redraw(5, 1, 2, 2)
                         .then("pass 2")
                         .redraw(5, 1, 3, 1)
                         .then("human 1 3")
                         .then("move 1")
                         .redraw(6, 1, 3, 2)
                         .then("pass 2")
                         .redraw(6, 1, 4, 1)
                         .then("pass 1")
                         .redraw(6, 1, 99, 2)
                         .then("finish");
  EXPECT_EQ(r.calls, e.calls);
  EXPECT_EQ(g.pass_bits, 3);
  EXPECT_EQ(out.str(), "Player1: 6  v.s. Player2: 1  Finished.\n");
}

// Player 2's start square is taken and player 1's human seat passes every
// turn: a player who has not placed is never tested for a pass, so the
// human is asked in all 22 turns while player 2 (blocked after its one
// piece) passes in each; the game still ends after turn 22.
TEST(GameLoop, NoPassTestBeforeTheFirstPlacement) {
  GameState g;
  g.field.set_square(4, 4, Cell::Owned2);
  g.pieces_left[2] = PiecesLeft::only(0);
  Recorder r;
  r.human = [](GameState&, int player, int) { return player == 2; };
  std::ostringstream out;
  Rng rng(1);
  run_game(humans(), PlayerContext{&rng}, g, GameIo{r, r, r, out});
  Expected e;
  for (int turn = 1; turn <= 22; ++turn) {
    e.redraw(0, turn == 1 ? 0 : 1, turn, 1).then("human 1 " + std::to_string(turn));
    e.redraw(0, turn == 1 ? 0 : 1, turn, 2);
    if (turn == 1)
      e.then("human 2 1").then("move 2");
    else
      e.then("pass 2");
  }
  e.redraw(0, 1, 99, 2).then("finish");
  EXPECT_EQ(r.calls, e.calls);
  EXPECT_EQ(g.pass_bits, 2);
  EXPECT_TRUE(g.first_move[1]);
  EXPECT_EQ(out.str(), "Player1: 0  v.s. Player2: 1  Finished.\n");
}

// Catches a result line without its two-character score fields.
TEST(GameLoop, ResultLine) {
  EXPECT_EQ(result_line(7, 12), "Player1: 7  v.s. Player2:12  Finished.\n");
  EXPECT_EQ(result_line(0, 89), "Player1: 0  v.s. Player2:89  Finished.\n");
}

// Replays a finished game's redraws and moves with the rules: after every
// redraw but the last comes the mover's move or pass; every move legal for
// its player on its turn (a first move on the player's first), the
// displayed scores the squares placed so far, and a pass exactly when the
// player had no move.
void check_replay(const Recorder& r, const GameState& end) {
  GameState g;
  size_t next_move = 0;
  for (size_t i = 0; i < r.calls.size(); ++i) {
    std::istringstream words(r.calls[i]);
    std::string kind;
    int s1, s2, turn, player;
    words >> kind >> s1 >> s2 >> turn >> player;
    if (kind != "score") continue;
    ASSERT_EQ(s1, g.score[1]);
    ASSERT_EQ(s2, g.score[2]);
    if (turn == 99) break;
    ASSERT_LT(i + 1, r.calls.size());
    const std::string& action = r.calls[i + 1];
    const bool can_move = isexist_legal(player, g.pieces_left[player], g.field, turn);
    if (action == "pass " + std::to_string(player)) {
      ASSERT_FALSE(can_move) << "turn " << turn << " player " << player;
      continue;
    }
    ASSERT_EQ(action, "move " + std::to_string(player)) << "turn " << turn;
    const Move m = r.moves[next_move++];
    const int t = g.first_move[player] ? 1 : turn;
    ASSERT_TRUE(g.pieces_left[player][m.piece]);
    ASSERT_TRUE(iscanset(m.x, m.y, player, m.piece, m.rot, g.field, t) &&
                islegal(m.x, m.y, player, m.piece, m.rot, g.field))
        << "turn " << turn << " player " << player;
    setpiece(m, player, g.field, g.pieces_left[player], g.score[player]);
    g.first_move[player] = false;
  }
  EXPECT_EQ(next_move, r.moves.size());
  EXPECT_EQ(g.field, end.field);
  EXPECT_EQ(g.score, end.score);
}

// Computer seats at level 1 play a whole game through the dispatcher.
// Catches an opening move other than 66t0 for player 1 (or any for player
// 2), illegal or unlogged moves, and a pass missed or invented.
TEST(GameLoop, ComputerGameReplays) {
  for (uint64_t seed : {1, 2, 3}) {
    Settings s;
    s.level = {0, 1, 1};
    GameState g;
    Recorder r;
    std::ostringstream out;
    Rng rng(seed);
    run_game(s, PlayerContext{&rng}, g, GameIo{r, r, r, out});
    ASSERT_FALSE(r.moves.empty());
    EXPECT_EQ(r.moves[0], make_move(5, 5, 19, 0));
    check_replay(r, g);
    EXPECT_EQ(g.pass_bits, 3);
    EXPECT_EQ(out.str(), result_line(g.score[1], g.score[2]));
    EXPECT_EQ(r.calls.back(), "finish");
  }
}

// Catches a strategy in the wrong table cell.
TEST(Dispatch, LevelTables) {
  const LevelTable p1 = {com_rand_play,   com_monte_play, com_fuun3_play,  com_fuun4_play,
                         com_fuun4s_play, com_fuun5_play, com_fuun5s_play, com_fuun5s_play};
  const LevelTable p2 = {com_rand_play,  com_monte_play,  com_fuun6_play, com_fuun3_play,
                         com_fuun4_play, com_fuun5s_play, com_fuun5_play, com_fuun5_play};
  const LevelTable p1r = {com_rand_play,    com_monte_play,  com_fuun3_play,   com_fuun4r_play,
                          com_fuun4sr_play, com_fuun5r_play, com_fuun5sr_play, com_fuun5sr_play};
  const LevelTable p2r = {com_rand_play,   com_monte_play,   com_fuun3_play,  com_fuun6r_play,
                          com_fuun4r_play, com_fuun5sr_play, com_fuun5r_play, com_fuun5r_play};
  EXPECT_EQ(level_table(1, false), p1);
  EXPECT_EQ(level_table(2, false), p2);
  EXPECT_EQ(level_table(1, true), p1r);
  EXPECT_EQ(level_table(2, true), p2r);
  Settings s;
  for (bool random : {false, true})
    for (int level = 1; level <= 8; ++level) {
      s.random_assist = random;
      s.level = {0, level, 9 - level};
      EXPECT_EQ(strategy_for(s, 1), level_table(1, random)[level - 1]);
      EXPECT_EQ(strategy_for(s, 2), level_table(2, random)[9 - level - 1]);
    }
}

// Catches the opening book used by player 2, off turn 1 or with -n, and
// player 1's book move depending on its level.
TEST(Dispatch, OpeningBook) {
  const Move joseki = make_move(5, 5, 19, 0);
  for (bool random : {false, true})
    for (int level = 1; level <= 8; ++level) {
      Settings s;
      s.random_assist = random;
      s.level = {0, level, 1};
      Rng rng(level);
      const PlayerContext ctx{&rng};
      EXPECT_EQ(play_joseki(ctx, s, 1, PiecesLeft(), 0, Board(), 1, PiecesLeft()), joseki);
    }
  // Player 2 asks its strategy (here the random player) on the same draws.
  Settings s;
  s.level = {0, 1, 1};
  Rng rng(5), same(5);
  EXPECT_EQ(play_joseki(PlayerContext{&rng}, s, 2, PiecesLeft(), 0, Board(), 1, PiecesLeft()),
            com_rand_play(PlayerContext{&same}, 2, PiecesLeft(), 0, Board(), 1, PiecesLeft()));

  // play_com: the book move for player 1 on turn 1 only, and only with the
  // book on; the strategy's move (on the same draws) otherwise.
  Board after_joseki;
  PiecesLeft left1;
  int score1 = 0;
  setpiece(joseki, 1, after_joseki, left1, score1);
  struct Case {
    bool book;
    int player, turn;
    Board field;
    bool expect_joseki;
  };
  for (const Case& c :
       {Case{true, 1, 1, Board(), true}, Case{false, 1, 1, Board(), false},
        Case{true, 1, 2, after_joseki, false}, Case{true, 2, 1, after_joseki, false}}) {
    SCOPED_TRACE("book " + std::to_string(c.book) + " player " + std::to_string(c.player) +
                 " turn " + std::to_string(c.turn));
    s.use_joseki = c.book;
    GameState g;
    g.field = c.field;
    g.pieces_left[1] = c.field == Board() ? PiecesLeft() : left1;
    g.first_move[1] = c.field == Board();
    Rng a(7), b(7);
    const Move expected = c.expect_joseki
                              ? joseki
                              : com_rand_play(PlayerContext{&b}, c.player, g.pieces_left[c.player],
                                              0, g.field, c.turn, g.pieces_left[3 - c.player]);
    Recorder log;
    play_com(PlayerContext{&a}, s, g, c.player, c.turn, log);
    ASSERT_EQ(log.moves, std::vector<Move>{expected});
    EXPECT_EQ(g.score[c.player], piece_tables().square_count[expected.piece]);
    EXPECT_FALSE(g.pieces_left[c.player][expected.piece]);
  }
}

}  // namespace
}  // namespace trevosk
