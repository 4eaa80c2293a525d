// Settings and the command line.
//
// The program is configured by its command line alone. Parsing never prints
// or exits: it returns what to write and which status to end with, so that
// the caller (and the tests) decide.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "game/computer_seat.h"

namespace trevosk {

// Per-player fields are indexed by player number 1 or 2; index 0 is unused.
struct Settings {
  std::array<int, 3> think_width{0, 10, 10};
  bool text_mode = false;
  bool random_assist = false;
  bool use_joseki = true;
  std::array<bool, 3> is_com{false, true, true};
  std::array<int, 3> level{0, 8, 8};
};

struct CommandLineResult {
  bool run = true;  // false: end the program now with status, out, err
  int status = 0;
  std::string out;    // for standard output
  std::string err;    // for standard error
  Settings settings;  // as parsed, before corrections
};

// Parses the words after the program name; program_name goes into the
// parser's error lines.
CommandLineResult parse_command_line(std::string_view program_name,
                                     std::span<const std::string> words);

// Out-of-range values corrected, in order: widths outside 1..99 become 4,
// levels outside 1..8 become 8, then level 6 forces width 4 and level 7
// forces width 7.
void correct_settings(Settings& s);

// The computer seat of a player under corrected settings.
ComputerConfig computer_config(const Settings& s, int player);

// "Usage:" and one line per option.
std::string usage_text();

// Converts a whole word holding an optional sign and decimal digits to an
// int; false for anything else, including numbers too large for an int.
bool parse_int(std::string_view word, int& value);

}  // namespace trevosk
