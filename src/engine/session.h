// The engine protocol over a pair of streams: lines are read one at a time,
// each answered and flushed, until the input ends (or cannot be read), quit
// is answered, or a reply cannot be written.
//
// A line costs bounded memory whatever its length: past kMaxLineLength bytes
// the rest of it is skipped and the line is answered "? line too long". Any
// byte, NUL included, is read safely.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>

#include "engine/engine.h"

namespace trevosk {

inline constexpr size_t kMaxLineLength = size_t{64} * 1024;

void serve(std::istream& in, std::ostream& out, Engine& engine);

}  // namespace trevosk
