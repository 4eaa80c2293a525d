#include "match/replay.h"

#include <algorithm>

#include "game/console_display.h"
#include "game/game_loop.h"
#include "game/notation.h"

namespace trevosk {

namespace {

// Answers the recorded half-moves; Move::none() past the end or at a move
// that is not legal.
class RecordedSeat : public Seat {
 public:
  explicit RecordedSeat(const GameRecord& r) : r_(r) {}
  Move choose(const Game& game) override {
    const size_t k = game.history().size();
    if (k >= r_.moves.size()) return Move::none();
    if (!game.is_legal(r_.moves[k])) {
      bad_ = move_text(r_.moves[k]);
      return Move::none();
    }
    return r_.moves[k];
  }
  const std::string& bad() const { return bad_; }

 private:
  const GameRecord& r_;
  std::string bad_;
};

}  // namespace

bool replay_game(const GameRecord& record, std::ostream& out, std::string& error) {
  Game game;
  RecordedSeat seat(record);
  ConsoleDisplay display(out);
  GameObserver* observers[] = {&display};
  const GameRun run = play_game(game, {&seat, &seat}, observers);
  const std::string where = "game " + std::to_string(record.game) + ", half-move " +
                            std::to_string(game.history().size() + 1);
  if (!seat.bad().empty()) return (error = where + ": illegal move " + seat.bad()), false;
  for (size_t k = 0; k < std::min(game.history().size(), record.moves.size()); ++k)
    if (game.history()[k].move != record.moves[k])
      return (error = "game " + std::to_string(record.game) + ", half-move " +
                      std::to_string(k + 1) + ": " + move_text(record.moves[k]) +
                      " where the player had to pass"),
             false;
  if (record.forfeit_player) {
    out << "Player " << record.forfeit_player << " forfeits: " << record.reason << "\n"
        << std::flush;
  } else if (run.end != GameEnd::Finished) {
    return (error = where + ": the record ends before the game"), false;
  } else if (game.history().size() != record.moves.size()) {
    return (error = where + ": moves after the end of the game"), false;
  }
  return true;
}

}  // namespace trevosk
