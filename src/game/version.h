// The program's version, as the banner of -v, the engine protocol and the
// match records show it.
#pragma once

#include <string_view>

namespace trevosk {

inline constexpr std::string_view kVersion = "1.0";

}  // namespace trevosk
