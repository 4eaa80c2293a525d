// The search levels' benchmark: a level-9 search (one thread, a fixed seed)
// from each benchmark position for player 1, its move and how fast it ran,
// and a signature of what it chose. A change that should not alter the
// search must not move the signature.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/move.h"

namespace trevosk {

struct SearchBenchLine {
  std::string position;
  Move move;
  uint32_t visits;  // of the move chosen
  uint64_t simulations;
  double seconds;      // wall-clock
  double cpu_seconds;  // the searching thread's processor time
};

std::vector<SearchBenchLine> search_bench();

// FNV-1a over each line's move and visits.
uint64_t search_signature(const std::vector<SearchBenchLine>& lines);

}  // namespace trevosk
