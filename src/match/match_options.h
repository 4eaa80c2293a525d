// The command line of trevosk-match: what to do and with which settings.
// Parsing never prints or exits; bad input is refused with a message, never
// corrected.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "match/match_runner.h"

namespace trevosk {

struct MatchOptions {
  enum class Mode : uint8_t { Play, Summary, Replay, Help };
  Mode mode = Mode::Play;
  MatchPlan plan;  // seats, games, concurrency, seed, openings, move time, shard
  bool seed_given = false;
  std::string out;  // the record file, if any
  bool csv = false;
  std::vector<std::string> summary_files;
  std::string replay_file;
  std::optional<int> replay_game;  // the first record when not given
};

// Reads the words after the program name. The master seed is left at 0 when
// --seed is not given.
bool parse_match_options(std::span<const std::string> words, MatchOptions& options,
                         std::string& error);

std::string match_usage();

}  // namespace trevosk
