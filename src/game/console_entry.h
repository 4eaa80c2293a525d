// Console move entry: a human seat in text mode types move codes.
//
// Each attempt prompts "Input> ", reads one line and decodes its first four
// characters (bytes, taken as they stand) as a move code; a "-" first is a
// voluntary pass. Anything out of range or refused by the placement tests is
// asked for again; the echo of the decoded values is the only feedback.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "game/display.h"

namespace trevosk {

// Reads one line: the bytes up to a newline (a carriage return stays part of
// it); a last line without a newline still counts. Keeps at most the first
// `keep` bytes in line, so a line of any length costs constant memory.
// Returns false only when nothing at all could be read.
bool read_line(std::istream& in, std::string& line, size_t keep);

class ConsoleEntry : public HumanMover {
 public:
  ConsoleEntry(std::istream& in, std::ostream& out, MoveLog& log) : in_(in), out_(out), log_(log) {}
  // play_user_txt: one turn, treated as a first move while the player's
  // first-move flag is set. Throws FatalError at the end of input.
  void play(GameState& game, int player, int turn) override;

 private:
  std::istream& in_;
  std::ostream& out_;
  MoveLog& log_;
};

}  // namespace trevosk
