// The command line of trevosk-match: what to do and with which settings.
// Parsing never prints or exits; bad input is refused with a message, never
// corrected.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "match/match_runner.h"
#include "match/sprt.h"

namespace trevosk {

struct MatchOptions {
  enum class Mode : uint8_t { Play, Summary, Replay, Help, Version };
  Mode mode = Mode::Play;
  MatchPlan plan;  // seats, games, concurrency, seed, openings, clock, shard
  bool seed_given = false;
  std::string out;  // the record file, if any
  bool resume = false;
  bool csv = false;
  std::optional<SprtSettings> sprt;
  double progress_every = 60;  // seconds between progress lines off a terminal; 0: none
  std::string openings_file;
  std::vector<std::string> summary_files;
  std::string replay_file;
  std::optional<int> replay_game;  // the first record when not given
};

// Reads the words after the program name, and the openings file if one is
// named. The master seed is left at 0 when --seed is not given.
bool parse_match_options(std::span<const std::string> words, MatchOptions& options,
                         std::string& error);

// What decides a match's games besides its seeds and seats, as kept in its
// records: --resume goes on only with a file of the same.
std::string match_identity(const MatchOptions& options);

// Whether some pairing of the match repeats the same two games in every
// pair: both seats deterministic (built-in levels 3 to 8 without random
// assist, or outside programs told such a level) and no openings.
bool repeats_games(const MatchConfig& config);

std::string match_usage();

}  // namespace trevosk
