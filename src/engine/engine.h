// Engine: what stands behind the engine protocol, and its answer to a line.
//
// One game, a computer seat configuration per player (level, random assist,
// joseki, think width) and the one generator both seats draw from.
// Every command is answered by respond(); a failed command changes nothing.
// The commands and their replies are listed in docs/engine.md.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/protocol_line.h"
#include "game/computer_seat.h"
#include "game/game.h"
#include "players/rng.h"
#include "rules/move_list.h"

namespace trevosk {

class Engine {
 public:
  explicit Engine(Rng rng);

  // The reply to one line as read, without its line end: "=" or "?", the id,
  // a space, the result or message, and an empty line. Empty for a line that
  // holds no command.
  std::string respond(std::string_view line);

  // Whether quit has been answered.
  bool quit_requested() const { return quit_; }
  const Game& game() const { return game_; }

  // The names of all commands, in list_commands order.
  static std::vector<std::string_view> command_names();

  // A command's outcome: its result, or the message of its failure.
  struct Outcome {
    bool ok;
    std::string text;
  };

 private:
  using Args = const std::vector<std::string>&;

  Outcome run(const ProtocolCommand& command);

  Outcome protocol_version(Args a);
  Outcome name(Args a);
  Outcome version(Args a);
  Outcome known_command(Args a);
  Outcome list_commands(Args a);
  Outcome quit(Args a);
  Outcome clear_board(Args a);
  Outcome play(Args a);
  Outcome genmove(Args a);
  Outcome reg_genmove(Args a);
  Outcome set_level(Args a);
  Outcome set_playouts(Args a);
  Outcome set_move_time(Args a);
  Outcome set_threads(Args a);
  Outcome set_search(Args a);
  Outcome set_random_assist(Args a);
  Outcome set_opening(Args a);
  Outcome set_width(Args a);
  Outcome set_seed(Args a);
  Outcome legal_moves(Args a);
  Outcome showboard(Args a);
  Outcome score(Args a);
  Outcome to_move(Args a);
  Outcome moves(Args a);
  Outcome undo(Args a);
  Outcome candidates(Args a);
  Outcome perft(Args a);
  Outcome bench(Args a);

  ComputerConfig config(int player) const;
  // The turn the placement test and the seat use for `player`'s next
  // half-move on the current board.
  int next_rule_turn(int player) const;
  // The game as if `player` moved next on the current board.
  Game as_if_to_move(int player) const;
  // The search's candidates for `player`, most visited first, at most
  // `count` lines `CODE VISITS WIN_RATE MARGIN PV...`.
  std::string search_candidates(int player, uint64_t count, Rng& rng) const;

  struct CommandEntry;
  static const std::vector<CommandEntry>& commands();

  Game game_;
  Rng rng_;
  std::array<int, 3> level_{0, 8, 8};
  std::array<SearchSettings, 3> search_{};
  bool random_assist_ = false;
  bool use_joseki_ = true;
  int width_ = 10;
  bool quit_ = false;
  std::unique_ptr<MoveList> list_ = std::make_unique<MoveList>();
};

}  // namespace trevosk
