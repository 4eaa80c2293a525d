// The seed a user gives in the environment variable TREVOSK_SEED: an
// unsigned 64-bit decimal number that replaces the system's seed, so that a
// game can be replayed (for a bug report, say).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trevosk {

struct EnvironmentSeed {
  bool ok = true;
  std::optional<uint64_t> seed;  // none: seed from the system
  std::string error;             // when !ok: one line, without program name or line end
};

// Reads the variable's value (null when it is unset). Only decimal digits
// are accepted, at least one and at most 2^64 - 1: no sign, blank or prefix.
EnvironmentSeed seed_from_environment(const char* value);

}  // namespace trevosk
