#include "game/environment_seed.h"

#include <cstdio>
#include <limits>

namespace trevosk {

namespace {

// The value as the user typed it, with every byte that is not printable
// ASCII (a line end, say) written \xHH, so that the error stays one line.
std::string shown(const std::string& value) {
  std::string s;
  for (const unsigned char c : value) {
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      s += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      s += hex;
    }
  }
  return s;
}

}  // namespace

EnvironmentSeed seed_from_environment(const char* value) {
  if (value == nullptr) return {};
  const std::string text(value);
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  uint64_t n = 0;
  bool valid = !text.empty();
  for (const char c : text) {
    if (c < '0' || c > '9') {
      valid = false;
      break;
    }
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (n > (kMax - digit) / 10) {
      valid = false;
      break;
    }
    n = n * 10 + digit;
  }
  if (!valid)
    return {false, std::nullopt,
            "TREVOSK_SEED must be an unsigned 64-bit decimal number, not \"" + shown(text) + "\""};
  return {true, n, ""};
}

}  // namespace trevosk
