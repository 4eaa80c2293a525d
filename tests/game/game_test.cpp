#include "game/game.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/random_positions.h"
#include "game/computer_seat.h"
#include "game/game_loop.h"
#include "players/random_players.h"

namespace trevosk {
namespace {

// Catches a history entry that does not hold the state it was played from,
// or an undo that leaves anything behind.
TEST(Game, UndoToTheStartRestoresEveryState) {
  Rng rng(5);
  for (int g = 0; g < 6; ++g) {
    Game game;
    std::vector<GameState> seen;
    while (!game.over()) {
      seen.push_back(game.state());
      const std::vector<Move> moves = game.legal_moves();
      // Now and then a pass by choice, which must mark nothing.
      const bool by_choice = rng.index(8) == 0;
      const Move m = by_choice ? Move::pass() : moves[rng.index(static_cast<int>(moves.size()))];
      const bool forced = moves.front().is_pass();
      const MoveKind kind = game.play(m);
      EXPECT_EQ(kind, m.is_placement() ? MoveKind::Placed
                      : forced         ? MoveKind::Blocked
                                       : MoveKind::Passed);
    }
    EXPECT_TRUE(game.legal_moves().empty());
    EXPECT_FALSE(game.is_legal(Move::pass()));
    for (size_t i = seen.size(); i-- > 0;) {
      ASSERT_TRUE(game.undo());
      ASSERT_EQ(game.state(), seen[i]) << "half-move " << i;
    }
    EXPECT_FALSE(game.undo());
    EXPECT_EQ(game.state(), GameState());
  }
}

// Catches a pass by choice that lifts the first-move rule or marks the
// player blocked, and a wrong order of half-turns.
TEST(Game, PassByChoiceKeepsTheStartSquareRule) {
  Game game;
  EXPECT_EQ(game.play(Move::pass()), MoveKind::Passed);
  EXPECT_EQ(game.play(make_move(9, 9, 0, 0)), MoveKind::Placed);
  EXPECT_EQ(game.turn(), 2);
  EXPECT_EQ(game.to_move(), 1);
  EXPECT_FALSE(game.blocked(1));
  EXPECT_FALSE(game.is_legal(make_move(10, 10, 0, 0)));  // not its start square
  EXPECT_FALSE(game.is_legal(make_move(8, 8, 0, 0)));    // a corner of player 2's square
  EXPECT_TRUE(game.is_legal(make_move(4, 4, 0, 0)));     // its start square, in turn 2
  EXPECT_EQ(game.legal_moves().size(), 418u);
  // Out-of-range values are simply illegal.
  for (const Move& m : {make_move(14, 4, 0, 0), make_move(4, -1, 0, 0), make_move(4, 4, 21, 0),
                        make_move(4, 4, 0, 8), Move::none()})
    EXPECT_FALSE(game.is_legal(m));
}

// Records the driver's events in one string.
struct Recorder : GameObserver {
  std::string calls;
  void notify(const Game& game, const GameEvent& e) override {
    const char* names[] = {"turn", "placed", "passed", "blocked", "over"};
    calls += names[static_cast<int>(e.kind)];
    if (e.kind == GameEvent::Kind::GameOver)
      calls += " " + std::to_string(game.score(1)) + ":" + std::to_string(game.score(2));
    else
      calls += " " + std::to_string(e.turn) + "/" + std::to_string(e.player);
    calls += "|";
  }
};

// A seat that plays its first legal move, or passes every time.
struct FirstMove : Seat {
  bool pass = false;
  int asked = 0;
  Move choose(const Game& game) override {
    ++asked;
    return pass ? Move::pass() : game.legal_moves().front();
  }
};

// Catches events missing or out of order, a blocked player asked for a move,
// or a game that goes on once both are blocked.
TEST(GameLoop, BlockedPlayersPassUntilBothAre) {
  // Player 1 may use pieces a, b and c, player 2 only a.
  GameState start;
  start.pieces_left[1] = PiecesLeft::from_mask(0b111);
  start.pieces_left[2] = PiecesLeft::only(0);
  Game game(start);
  FirstMove one, two;
  Recorder r;
  GameObserver* observers[] = {&r};
  EXPECT_EQ(play_game(game, {&one, &two}, observers).end, GameEnd::Finished);
  EXPECT_EQ(r.calls,
            "turn 1/1|placed 1/1|turn 1/2|placed 1/2|turn 2/1|placed 2/1|turn 2/2|blocked 2/2|"
            "turn 3/1|placed 3/1|turn 3/2|blocked 3/2|turn 4/1|blocked 4/1|over 6:1|");
  EXPECT_EQ(one.asked, 3);
  EXPECT_EQ(two.asked, 1);
  EXPECT_EQ(result_line(7, 12), "Player1: 7  v.s. Player2:12  Finished.\n");
}

// Catches a pass test before a player's first placement: a seat that keeps
// passing is asked every turn, even when its start square is taken.
TEST(GameLoop, NoPassTestBeforeTheFirstPlacement) {
  GameState start;
  start.field.set_square(9, 9, Cell::Owned1);  // player 2 has no legal first move
  Game game(start);
  FirstMove passer;
  passer.pass = true;
  EXPECT_EQ(play_game(game, {&passer, &passer}, {}).end, GameEnd::Finished);
  EXPECT_EQ(passer.asked, 44);
  EXPECT_FALSE(game.blocked(1) || game.blocked(2));
  // A seat without a move stops the game where it stands.
  Game stopped;
  struct Quits : Seat {
    Move choose(const Game&) override { return Move::none(); }
  } quits;
  const GameRun run = play_game(stopped, {&passer, &quits}, {});
  EXPECT_EQ(run.end, GameEnd::Stopped);
  EXPECT_EQ(run.stopped_by, 2);
  EXPECT_EQ(stopped.history().size(), 1u);
}

// Catches 66t0 missing for player 1 at some level, played with -n or by
// player 2.
TEST(ComputerSeat, Joseki) {
  const Game start;
  auto choice = [&](const Game& g, ComputerConfig c) {
    Rng rng(7);
    return computer_choice(g, c, rng);
  };
  for (bool random : {false, true})
    for (int level = 1; level <= 8; ++level)
      EXPECT_EQ(choice(start, {level, random, true, 10, {}}), kJoseki) << level << random;
  Game second;
  second.play(kJoseki);
  Rng rng(7);
  PlayerContext ctx{&rng};
  const Move drawn = com_rand_play(ctx, 2, PiecesLeft(), second.board(), 1, PiecesLeft());
  EXPECT_EQ(choice(second, {1, false, true, 10, {}}), drawn);
  Rng rng1(7);
  PlayerContext ctx1{&rng1};
  const Move drawn1 = com_rand_play(ctx1, 1, PiecesLeft(), Board(), 1, PiecesLeft());
  ASSERT_NE(drawn1, kJoseki);
  EXPECT_EQ(choice(start, {1, false, false, 10, {}}), drawn1);
}

}  // namespace
}  // namespace trevosk
