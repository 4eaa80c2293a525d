#include "game/game_loop.h"

#include <cassert>
#include <cstdio>
#include <string>

namespace trevosk {

namespace {

GameEvent::Kind event_kind(MoveKind k) {
  switch (k) {
    case MoveKind::Placed:
      return GameEvent::Kind::Placed;
    case MoveKind::Passed:
      return GameEvent::Kind::Passed;
    case MoveKind::Blocked:
      return GameEvent::Kind::Blocked;
  }
  return GameEvent::Kind::Placed;
}

}  // namespace

std::string result_line(int score1, int score2) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "Player1:%2d  v.s. Player2:%2d  Finished.\n", score1, score2);
  return buf;
}

GameRun play_game(Game& game, std::array<Seat*, 2> seats, std::span<GameObserver* const> observers,
                  const std::function<bool()>& interrupted) {
  auto tell = [&](const GameEvent& e) {
    for (GameObserver* o : observers) o->notify(game, e);
  };
  while (!game.over()) {
    const int p = game.to_move();
    const int turn = game.turn();
    tell({GameEvent::Kind::HalfTurn, p, turn});
    Move m = Move::pass();
    if (!game.must_pass()) {
      m = seats[p - 1]->choose(game);
      if (m.is_none()) return {GameEnd::Stopped, p};
      assert(game.is_legal(m));
    }
    const MoveKind kind = game.play(m);
    tell({event_kind(kind), p, turn, m});
    if (interrupted && interrupted()) return {GameEnd::Interrupted};
  }
  tell({GameEvent::Kind::GameOver});
  return {GameEnd::Finished};
}

}  // namespace trevosk
