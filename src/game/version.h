// The program's version, as the banner of -v, the engine protocol and the
// match records show it. It is defined once, by project(VERSION) in the top
// CMakeLists.txt, which passes it to every user of the game library.
#pragma once

#include <string_view>

namespace trevosk {

inline constexpr std::string_view kVersion = TREVOSK_VERSION;

}  // namespace trevosk
