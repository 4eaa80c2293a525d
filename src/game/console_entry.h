// Console move entry: a human seat in text mode types move codes.
//
// Each attempt prompts "Input> ", reads one line and decodes its first four
// characters (bytes, taken as they stand) as a move code; a "-" first is a
// pass. Anything out of range or refused by the placement tests is asked for
// again; the echo of the decoded values is the only feedback.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "game/seat.h"

namespace trevosk {

// Reads one line: the bytes up to a newline (a carriage return stays part of
// it); a last line without a newline still counts. Keeps at most the first
// `keep` bytes in line, so a line of any length costs constant memory.
// Returns false only when nothing at all could be read; an input that cannot
// be read counts as ended.
bool read_line(std::istream& in, std::string& line, size_t keep);

class ConsoleSeat : public Seat {
 public:
  ConsoleSeat(std::istream& in, std::ostream& out) : in_(in), out_(out) {}
  // Prompts until a pass or a legal placement is typed; Move::none() when
  // the input ends first.
  Move choose(const Game& game) override;

 private:
  std::istream& in_;
  std::ostream& out_;
};

}  // namespace trevosk
