// The engine's bench command: the benchmark positions searched by every
// level, the time it took, and the benchmark signature.
#pragma once

#include <string>

namespace trevosk {

// One line per benchmark position and player with the move of every level 1
// to 8 (generator seeded with 1, no random assist) and the milliseconds they
// took; then the total time and "signature" with the signature in hex.
std::string bench_report();

}  // namespace trevosk
