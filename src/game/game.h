// Game: one game session, its position, its rules of play and its history.
//
// The game runs turns 1 to 22; in each, player 1 moves first, then player 2.
// A half-move is a placement or a pass. A player who has not placed yet is
// held to the first-move rule (its piece must cover its start square) for as
// long as that lasts, whatever the turn; a player who has placed and cannot
// place any more passes, and is then blocked for good. A pass by a player who
// could still place (or who has not placed yet) is a pass by choice and marks
// nothing. The game is over when both players are blocked or turn 22 is done.
//
// Every front end plays through a Game: it lists and checks moves, applies
// them, and takes them back one half-move at a time. It does no I/O.
#pragma once

#include <array>
#include <vector>

#include "rules/board.h"
#include "rules/move.h"
#include "rules/pieces_left.h"

namespace trevosk {

constexpr int kLastTurn = 22;

// How a half-move went.
enum class MoveKind : uint8_t {
  Placed,   // a piece was placed
  Passed,   // a pass by choice
  Blocked,  // a pass by a player who has placed and cannot place
};

// The position and the per-player state. Per-player fields are indexed by
// player number 1 or 2; index 0 is unused.
struct GameState {
  Board field;
  std::array<PiecesLeft, 3> pieces_left{};
  std::array<int, 3> score{0, 0, 0};
  std::array<bool, 3> placed{false, false, false};
  std::array<bool, 3> blocked{false, false, false};
  int turn = 1;
  int to_move = 1;

  friend bool operator==(const GameState&, const GameState&) = default;
};

// One half-move of the history, with the state it was played from.
struct HalfMove {
  int player;
  int turn;
  Move move;
  MoveKind kind;
  GameState before;
};

class Game {
 public:
  // The start of a game: empty board, full trays, turn 1, player 1 to move.
  Game() = default;
  // A game that starts from the given state (for tools and tests); the state
  // must be one that play() could reach.
  explicit Game(const GameState& start) : state_(start) {}

  const GameState& state() const { return state_; }
  const Board& board() const { return state_.field; }
  const PiecesLeft& pieces_left(int player) const { return state_.pieces_left[player]; }
  int score(int player) const { return state_.score[player]; }
  bool has_placed(int player) const { return state_.placed[player]; }
  bool blocked(int player) const { return state_.blocked[player]; }
  int turn() const { return state_.turn; }
  int to_move() const { return state_.to_move; }
  bool over() const { return (state_.blocked[1] && state_.blocked[2]) || state_.turn > kLastTurn; }

  // The turn the placement test uses for the side to move: 1 until it has
  // placed, the real turn afterwards.
  int rule_turn() const { return has_placed(to_move()) ? turn() : 1; }
  // Whether the side to move has a legal placement.
  bool can_place() const;
  // Whether the side to move must pass: it has placed and cannot place.
  bool must_pass() const { return has_placed(to_move()) && !can_place(); }

  // The side to move's legal placements in list order (highest piece,
  // orientation, row and column first); the pass alone when it has none.
  // Empty once the game is over.
  std::vector<Move> legal_moves() const;
  // Whether m may be played now: a legal placement of the side to move, or a
  // pass. Any value of m is safe to ask about.
  bool is_legal(const Move& m) const;

  // Plays a move for which is_legal holds and returns how it went.
  MoveKind play(const Move& m);
  // Takes back the last half-move; false at the start.
  bool undo();

  const std::vector<HalfMove>& history() const { return history_; }

 private:
  GameState state_;
  std::vector<HalfMove> history_;
};

}  // namespace trevosk
