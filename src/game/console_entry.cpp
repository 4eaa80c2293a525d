#include "game/console_entry.h"

#include <cstdio>

#include "game/notation.h"
#include "game/stream_edges.h"

namespace trevosk {

bool read_line(std::istream& in, std::string& line, size_t keep) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  bool read_any = false;
  for (;;) {
    const int c = next_byte(*buf);
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return read_any;
    }
    read_any = true;
    if (c == '\n') return true;
    if (line.size() < keep) line += static_cast<char>(c);
  }
}

Move ConsoleSeat::choose(const Game& game) {
  std::string line;
  for (;;) {
    out_ << "Input> " << std::flush;
    // Nobody sees the prompt when the output has failed: stop asking.
    if (out_.fail()) return Move::none();
    if (!read_line(in_, line, 4)) return Move::none();
    int x = 99, y = 99, piece = 99, rot = 99;
    if (line.size() >= 4) {
      const auto* c = reinterpret_cast<const unsigned char*>(line.data());
      x = dec(c[0]);
      y = dec(c[1]);
      piece = dec2(c[2]);
      rot = dec(c[3]) + 1;
    }
    char echo[64];
    std::snprintf(echo, sizeof echo, "%d %d %d %d\n", x, y, piece, rot);
    out_ << echo << std::flush;
    if (line.size() >= 4 && line[0] == '-') return Move::pass();
    const bool in_range =
        x >= 0 && x <= 13 && y >= 0 && y <= 13 && piece >= 0 && piece <= 20 && rot >= 0 && rot <= 7;
    if (in_range) {
      const Move m = make_move(x, y, piece, rot);
      if (game.is_legal(m)) return m;
    }
  }
}

}  // namespace trevosk
