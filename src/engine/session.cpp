#include "engine/session.h"

#include <string>

#include "game/stream_edges.h"

namespace trevosk {

namespace {

enum class LineRead { Line, TooLong, End };

// Reads up to the next newline (dropped) or the end of the input into line,
// keeping at most kMaxLineLength bytes. End only when nothing was left.
LineRead read_line(std::streambuf& in, std::string& line) {
  line.clear();
  bool too_long = false;
  for (;;) {
    const int c = next_byte(in);
    if (c == std::char_traits<char>::eof()) {
      if (line.empty() && !too_long) return LineRead::End;
      break;
    }
    if (c == '\n') break;
    if (line.size() < kMaxLineLength)
      line += static_cast<char>(c);
    else
      too_long = true;
  }
  return too_long ? LineRead::TooLong : LineRead::Line;
}

}  // namespace

void serve(std::istream& in, std::ostream& out, Engine& engine) {
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr) return;
  std::string line;
  line.reserve(kMaxLineLength);
  while (!engine.quit_requested()) {
    const LineRead r = read_line(*buffer, line);
    if (r == LineRead::End) break;
    const std::string reply = r == LineRead::TooLong ? "? line too long\n\n" : engine.respond(line);
    if (!reply.empty()) out << reply << std::flush;
    if (out.fail()) break;  // nobody can read the replies
  }
}

}  // namespace trevosk
