#include "transcript.h"

#include <array>
#include <cstdio>
#include <vector>

#include "rules/board.h"
#include "rules/legal_moves.h"
#include "rules/pieces_left.h"

namespace trevosk::e2e {

namespace {

constexpr std::string_view kPrompt = "Input> ";

struct Line {
  std::string_view text;  // without its line end
  bool terminated;        // false only for a last line without a line end
};

std::vector<Line> split_lines(std::string_view text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t nl = text.find('\n', start);
    if (nl == std::string_view::npos) {
      lines.push_back({text.substr(start), false});
      break;
    }
    lines.push_back({text.substr(start, nl - start), true});
    start = nl + 1;
  }
  return lines;
}

template <class... Args>
std::string format(const char* fmt, Args... args) {
  char buf[256];
  std::snprintf(buf, sizeof buf, fmt, args...);
  return buf;
}

std::string quoted(std::string_view s) {
  constexpr size_t kShown = 80;
  std::string q = "\"";
  for (unsigned char c : s.substr(0, kShown))
    q += (c >= 32 && c < 127) ? std::string(1, static_cast<char>(c)) : format("\\x%02x", c);
  if (s.size() > kShown) q += "...";
  return q + "\"";
}

// The move code, written independently of the program's own encoder.
std::string code_of(const Move& m) {
  auto coord = [](int n) { return static_cast<char>(n < 9 ? '1' + n : 'A' + n - 9); };
  return {coord(m.x), coord(m.y), static_cast<char>('a' + m.piece), static_cast<char>('0' + m.rot)};
}

// Decodes a code as the program writes it (and only so): "1".."9" and
// "A".."E" for coordinates, "a".."u" for the piece, "0".."7" for the
// orientation.
bool decode_code(std::string_view code, Move& m) {
  if (code.size() != 4) return false;
  auto coord = [](char c) {
    if (c >= '1' && c <= '9') return c - '1';
    if (c >= 'A' && c <= 'E') return c - 'A' + 9;
    return -1;
  };
  const int x = coord(code[0]), y = coord(code[1]);
  const int piece = code[2] - 'a', rot = code[3] - '0';
  if (x < 0 || y < 0 || piece < 0 || piece >= kPieceCount || rot < 0 || rot >= kOrientations)
    return false;
  m = make_move(x, y, piece, rot);
  return true;
}

char square_char(Cell c) {
  switch (c) {
    case Cell::Start1:
    case Cell::Start2:
      return '.';
    case Cell::Owned1:
      return 'o';
    case Cell::Owned2:
      return 'x';
    default:
      return ' ';
  }
}

std::string play_line(int p, const Move& m) {
  return format("Player %d plays [", p) + code_of(m) + "]";
}
std::string pass_line(int p) { return format("Player %d passes [----]", p); }

struct Mismatch {
  int line;
  std::string message;
};
struct InputEnded {};

enum class Seat { Unknown, Computer, Human };

// One replay of a transcript, line by line along the game loop.
class Replay {
 public:
  explicit Replay(std::string_view text) : lines_(split_lines(text)) {}

  TranscriptReport run() {
    TranscriptReport report;
    try {
      for (int turn = 1; turn <= 22; ++turn)
        for (int p = 1; p <= 2; ++p)
          if (pass_bits_ < 3) half_turn(turn, p);
      expect_display(99, 2, "the final display");
      expect(format("Player1:%2d  v.s. Player2:%2d  Finished.", score_[1], score_[2]),
             "the result line");
      if (pos_ < lines_.size()) throw Mismatch{line_no(), "unexpected text after the result line"};
      report.finished = true;
      report.ok = true;
    } catch (const InputEnded&) {
      report.ok = true;
    } catch (const Mismatch& m) {
      report.line = m.line;
      report.message = m.message;
    }
    report.moves = moves_;
    return report;
  }

 private:
  int line_no() const { return static_cast<int>(pos_) + 1; }

  // The current line, consumed; `what` names it in the error at the end.
  const Line& next(const std::string& what) {
    if (pos_ >= lines_.size()) throw Mismatch{line_no(), "transcript ends; expected " + what};
    return lines_[pos_++];
  }

  void expect(const std::string& expected, const std::string& what) {
    const int n = line_no();
    const Line& l = next(what + " " + quoted(expected));
    if (l.text != expected)
      throw Mismatch{n, what + ": expected " + quoted(expected) + ", got " + quoted(l.text)};
    if (!l.terminated) throw Mismatch{n, what + " has no line end"};
  }

  // Board, both trays and the status line, from the replayed position.
  void expect_display(int turn, int p, const std::string& when) {
    const std::string frame = "+--------------+";
    expect(frame, "board frame in " + when);
    for (int y = 0; y < kBoardSize; ++y) {
      std::string row = "|";
      for (int x = 0; x < kBoardSize; ++x) row += square_char(board_.square(x, y));
      expect(row + "|", format("board row %d in ", y) + when);
    }
    expect(frame, "board frame in " + when);
    for (int q = 1; q <= 2; ++q) {
      std::string tray = format("P%d: ", q);
      for (int i = 0; i < kPieceCount; ++i) tray += left_[q][i] ? static_cast<char>('a' + i) : ' ';
      expect(tray, format("tray of player %d in ", q) + when);
    }
    expect(format("Turn-P%d / P1:%2d P2:%2d (%2d)", p, score_[1], score_[2], turn),
           "status line in " + when);
  }

  void half_turn(int turn, int p) {
    const std::string when = format("the display before player %d's half-turn %d", p, turn);
    expect_display(turn, p, when);
    // Only a player who has placed is tested for a pass.
    if (placed_[p] && !isexist_legal(p, left_[p], board_, turn)) {
      expect(pass_line(p),
             format("player %d has no legal move in turn %d, so its pass line", p, turn));
      pass_bits_ |= p;
      return;
    }
    const int n = line_no();
    const std::string_view text = pos_ < lines_.size() ? lines_[pos_].text : "";
    if (text == pass_line(p))
      throw Mismatch{n, placed_[p] ? format("pass line, but player %d has a legal move", p)
                                   : format("pass line without a prompt, but player %d has not "
                                            "placed yet and is never tested for a pass",
                                            p)};
    const Seat seat = text.starts_with(kPrompt) ? Seat::Human : Seat::Computer;
    if (seat_[p] != Seat::Unknown && seat_[p] != seat)
      throw Mismatch{n, format("player %d moved as a %s seat before", p,
                               seat_[p] == Seat::Human ? "human" : "computer")};
    seat_[p] = seat;
    if (seat == Seat::Human)
      human_entry(turn, p);
    else
      computer_move(turn, p);
  }

  // Why the player may not place m now, or empty when it may. Until its
  // first placement a player is held to the first-turn rule.
  std::string refusal(int p, int x, int y, int piece, int rot, int turn) const {
    if (x < 0 || x > 13 || y < 0 || y > 13 || piece < 0 || piece > 20 || rot < 0 || rot > 7)
      return "out of range";
    if (!left_[p][piece]) return "its piece is already used";
    const int effective_turn = placed_[p] ? turn : 1;
    if (!iscanset(x, y, p, piece, rot, board_, effective_turn))
      return effective_turn == 1 ? "it does not cover the player's start square"
                                 : "it touches none of the player's squares at a corner";
    if (!islegal(x, y, p, piece, rot, board_))
      return "it is off the board, on a covered square or edge to edge with its own squares";
    return "";
  }

  void apply(int p, const Move& m) {
    setpiece(m, p, board_, left_[p], score_[p]);
    placed_[p] = true;
    ++moves_;
  }

  void computer_move(int turn, int p) {
    const int n = line_no();
    const Line& first = next(format("player %d's move", p));
    Move m;
    const std::string prefix = format("Player %d plays [", p);
    if (!first.text.starts_with(prefix) || !first.text.ends_with("]") ||
        !decode_code(first.text.substr(prefix.size(), first.text.size() - prefix.size() - 1), m))
      throw Mismatch{n, format("expected player %d's move, prompt or pass line, got ", p) +
                            quoted(first.text)};
    const std::string why = refusal(p, m.x, m.y, m.piece, m.rot, turn);
    if (!why.empty())
      throw Mismatch{
          n, "move " + code_of(m) + format(" of player %d in turn %d is illegal: ", p, turn) + why};
    expect(play_line(p, m), "the repeated move line");
    apply(p, m);
  }

  void human_entry(int turn, int p) {
    for (;;) {
      const int n = line_no();
      const Line& l = next(format("a prompt for player %d", p));
      if (!l.text.starts_with(kPrompt))
        throw Mismatch{n, format("expected a new prompt for player %d, got ", p) + quoted(l.text)};
      if (!l.terminated && l.text == kPrompt) throw InputEnded{};
      const std::string echo(l.text.substr(kPrompt.size()));
      int x, y, piece, rot;
      if (std::sscanf(echo.c_str(), "%d %d %d %d", &x, &y, &piece, &rot) != 4 ||
          echo != format("%d %d %d %d", x, y, piece, rot) || !l.terminated)
        throw Mismatch{n, "malformed echo line " + quoted(l.text)};
      if (x == -99) {
        expect(pass_line(p), "the voluntary pass line after an entry starting with \"-\"");
        return;
      }
      if (refusal(p, x, y, piece, rot, turn).empty()) {
        const Move m = make_move(x, y, piece, rot);
        expect(play_line(p, m), "the move line of the accepted entry");
        expect(play_line(p, m), "the repeated move line");
        apply(p, m);
        return;
      }
      if (pos_ < lines_.size() && !lines_[pos_].text.starts_with(kPrompt))
        throw Mismatch{line_no(),
                       "entry " + echo + " must be refused (" + refusal(p, x, y, piece, rot, turn) +
                           "), so a new prompt must follow, got " + quoted(lines_[pos_].text)};
    }
  }

  std::vector<Line> lines_;
  size_t pos_ = 0;
  Board board_;
  std::array<PiecesLeft, 3> left_{};
  std::array<int, 3> score_{};
  std::array<bool, 3> placed_{};
  std::array<Seat, 3> seat_{};
  int pass_bits_ = 0;
  int moves_ = 0;
};

}  // namespace

TranscriptReport check_transcript(std::string_view text) { return Replay(text).run(); }

}  // namespace trevosk::e2e
