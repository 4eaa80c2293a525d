// MatchSeat: one side of a match as written on the command line.
//
//   level:L[,r][,n][,w=W]  a built-in computer seat (level 1..8, random
//                          assist, no joseki, think width 1..99)
//   cmd:PROGRAM [ARGS...]  an outside program speaking the engine protocol,
//                          playing with its own settings
//   level:L[,r][,n][,w=W],cmd=PROGRAM [ARGS...]
//                          an outside program told to play with the level's
//                          settings (set_level, set_random_assist,
//                          set_opening, set_width)
// The words of a program's command are split on spaces and tabs, with the
// shell's quoting: '...', "..." (where \" and \\ stand for " and \) and a
// backslash before any other character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/computer_seat.h"

namespace trevosk {

struct MatchSeat {
  std::string text;                  // as given
  bool outside = false;              // played by an outside program
  bool configured = false;           // the program is told `computer`
  ComputerConfig computer;           // for level:
  std::vector<std::string> command;  // for cmd: the program and its arguments
};

// Reads a seat. On bad input returns false and says why in `error`; nothing
// out of range is corrected.
bool parse_seat(std::string_view text, MatchSeat& seat, std::string& error);

}  // namespace trevosk
