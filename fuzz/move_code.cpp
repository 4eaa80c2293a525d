// Fuzz target: the move codes, read as the engine and the records read them
// and typed as the console decodes them.
//
// parse_move must agree with a model of the written form (column and row
// "1".."9", "A".."E" in either case; piece "a".."u" in either case;
// orientation "0".."7"; or "pass" in any case), and every placement it
// gives must be written back as the same code in its canonical case. The
// console's byte decoding (dec, dec2) of the first four bytes must give the
// written form's values for its characters, and whatever it decodes in range
// must survive move_code and both decodings unchanged.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "game/notation.h"

namespace {

using trevosk::Move;

constexpr std::string_view kCoords = "123456789ABCDE";
constexpr std::string_view kPieces = "abcdefghijklmnopqrstu";

// The value of a written coordinate, piece or orientation character, or -1.
int coordinate(char c) {
  const size_t i = kCoords.find(c >= 'a' && c <= 'e' ? static_cast<char>(c - 32) : c);
  return i == std::string_view::npos ? -1 : static_cast<int>(i);
}
int piece(char c) {
  const size_t i = kPieces.find(c >= 'A' && c <= 'U' ? static_cast<char>(c + 32) : c);
  return i == std::string_view::npos ? -1 : static_cast<int>(i);
}
int orientation(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }

bool is_pass_word(std::string_view t) {
  if (t.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i)
    if (std::tolower(static_cast<unsigned char>(t[i])) != "pass"[i]) return false;
  return true;
}

void check_parse_move(std::string_view t) {
  const Move m = trevosk::parse_move(t);
  if (is_pass_word(t)) {
    FUZZ_CHECK(m == Move::pass() && trevosk::move_text(m) == "pass", "\"pass\" in any case");
    return;
  }
  const bool placement = t.size() == 4 && coordinate(t[0]) >= 0 && coordinate(t[1]) >= 0 &&
                         piece(t[2]) >= 0 && orientation(t[3]) >= 0;
  if (!placement) {
    FUZZ_CHECK(m.is_none(), "no move for anything but a code or pass");
    return;
  }
  FUZZ_CHECK(
      m == trevosk::make_move(coordinate(t[0]), coordinate(t[1]), piece(t[2]), orientation(t[3])),
      "a code's column, row, piece and orientation");
  const std::string canonical = {kCoords[m.x], kCoords[m.y], kPieces[m.piece], t[3]};
  FUZZ_CHECK(trevosk::move_code(m) == canonical && trevosk::move_text(m) == canonical,
             "a placement written back as its code");
}

void check_console_decoding(std::string_view t) {
  const auto c = [&](int i) { return static_cast<unsigned char>(t[i]); };
  const int x = trevosk::dec(c(0)), y = trevosk::dec(c(1)), p = trevosk::dec2(c(2)),
            rot = trevosk::dec(c(3)) + 1;
  if (t[0] == '-') FUZZ_CHECK(x == -99, "a line starting with - is a pass");
  // The written form decodes to its own values.
  if (coordinate(t[0]) >= 0) FUZZ_CHECK(x == coordinate(t[0]), "a typed column");
  if (coordinate(t[1]) >= 0) FUZZ_CHECK(y == coordinate(t[1]), "a typed row");
  if (piece(t[2]) >= 0) FUZZ_CHECK(p == piece(t[2]), "a typed piece");
  if (orientation(t[3]) >= 0) FUZZ_CHECK(rot == orientation(t[3]), "a typed orientation");
  if (x < 0 || x > 13 || y < 0 || y > 13 || p < 0 || p > 20 || rot < 0 || rot > 7) return;
  // In range: the move it makes is written and read back unchanged.
  const Move m = trevosk::make_move(x, y, p, rot);
  FUZZ_CHECK(m.is_placement() && m.x == x && m.y == y && m.piece == p && m.rot == rot,
             "make_move keeps the values");
  const std::string code = trevosk::move_code(m);
  FUZZ_CHECK(trevosk::parse_move(code) == m, "a written code read back");
  FUZZ_CHECK(trevosk::dec(code[0]) == x && trevosk::dec(code[1]) == y &&
                 trevosk::dec2(code[2]) == p && trevosk::dec(code[3]) + 1 == rot,
             "a written code typed back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  check_parse_move(input);
  if (size >= 4) check_console_decoding(input);
  return 0;
}
