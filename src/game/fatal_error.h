// FatalError: ends the program at once with "Fatal error: exception <name>"
// on standard error and exit status 2 (for example at the end of input).
#pragma once

#include <stdexcept>
#include <string>

namespace trevosk {

class FatalError : public std::runtime_error {
 public:
  explicit FatalError(const std::string& name) : std::runtime_error(name) {}
};

}  // namespace trevosk
