// Openings: the half-moves that start both games of a pair, so that
// deterministic seats still play varied games. They are drawn at random, or
// taken from a suite read from a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/move.h"

namespace trevosk {

// The first `count` half-moves of pair `pair`: each a legal move of the side
// to move (its placements, or the pass when it has none) drawn uniformly from
// the pair's own generator. Shorter if the game ends first.
std::vector<Move> draw_opening(uint64_t master_seed, int pair, int count);

// A suite: one opening a line, as move codes separated by spaces, each line
// a sequence of half-moves from the start; blank lines and `#` comments are
// skipped.
struct OpeningSuite {
  std::vector<std::vector<Move>> lines;
  uint64_t hash = 0;  // of the lines as read, to tell suites apart in records
};

// Reads a suite and checks every line for legality; false with the line
// number and what is wrong.
bool parse_opening_suite(std::string_view text, OpeningSuite& suite, std::string& error);
bool read_opening_suite(const std::string& path, OpeningSuite& suite, std::string& error);

// The line of a suite of `lines` lines that pair `pair` plays: in order, or
// (random) in an order shuffled afresh from the master seed for each pass
// through the suite.
size_t opening_line(size_t lines, uint64_t master_seed, int pair, bool random);

}  // namespace trevosk
