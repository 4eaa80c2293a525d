#include "game/stream_edges.h"

#include <ios>

namespace trevosk {

int next_byte(std::streambuf& in) noexcept {
  // A file buffer throws when the read itself fails (EBADF, EISDIR, EIO).
  try {
    return in.sbumpc();
  } catch (...) {
    return std::char_traits<char>::eof();
  }
}

bool output_ok(std::ostream& out, std::ostream& err, std::string_view program) {
  out.flush();
  if (!out.fail()) return true;
  err << program << ": cannot write to standard output\n" << std::flush;
  return false;
}

}  // namespace trevosk
