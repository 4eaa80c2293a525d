// The computer seat: a level of the level table or a search level, the
// random-assist setting, the joseki, the think width, the search's
// budget and the threads a move may use.
#pragma once

#include "game/seat.h"
#include "players/rng.h"
#include "search/search_settings.h"

namespace trevosk {

struct ComputerConfig {
  int level = 8;               // 1..8, or 9..10 for the search levels
  bool random_assist = false;  // noise on the values in turns 1 to 3
  bool use_joseki = true;      // player 1 opens with 66t0
  int think_width = 10;        // the configured width; levels 6 and 7 force theirs
  SearchSettings search;       // the budget of the search levels
  // The threads one move of levels 1 to 8 may use, this one included: 1 for
  // a tool that plays games side by side, hardware_threads() for a program
  // that plays one. The move is the same whatever the number.
  int threads = 1;
};

// The joseki: player 1's stored first move, 66t0.
constexpr Move kJoseki = make_move(5, 5, 19, 0);

// The move a computer seat chooses: the joseki for player 1 in turn
// 1, otherwise the level's strategy; a pass when the side to move cannot
// place. Depends only on the game, the configuration and the generator, and
// changes neither the game nor anything else.
Move computer_choice(const Game& game, const ComputerConfig& config, Rng& rng);

class ComputerSeat : public Seat {
 public:
  ComputerSeat(const ComputerConfig& config, Rng& rng) : config_(config), rng_(rng) {}
  Move choose(const Game& game) override { return computer_choice(game, config_, rng_); }

 private:
  ComputerConfig config_;
  Rng& rng_;
};

}  // namespace trevosk
