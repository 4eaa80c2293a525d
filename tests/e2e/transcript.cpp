#include "transcript.h"

#include <array>
#include <cstdio>
#include <vector>

#include "game/game.h"

namespace trevosk::e2e {

namespace {

constexpr std::string_view kPrompt = "Input> ";
// Coordinates as move codes write them, independently of the program's encoder.
constexpr std::string_view kCoords = "123456789ABCDE";

std::string format(const char* fmt, auto... args) {
  char buf[256];
  std::snprintf(buf, sizeof buf, fmt, args...);
  return buf;
}

std::string code_of(const Move& m) {
  return {kCoords[m.x], kCoords[m.y], static_cast<char>('a' + m.piece),
          static_cast<char>('0' + m.rot)};
}

// Decodes a code only in the form the program writes it.
bool decode(std::string_view code, Move& m) {
  const size_t x = kCoords.find(code[0]), y = kCoords.find(code[1]);
  const int piece = code[2] - 'a', rot = code[3] - '0';
  if (x == std::string_view::npos || y == std::string_view::npos || piece < 0 ||
      piece >= kPieceCount || rot < 0 || rot >= kOrientations)
    return false;
  m = make_move(static_cast<int>(x), static_cast<int>(y), piece, rot);
  return true;
}

char square_char(Cell c) {
  if (c == Cell::Owned1) return 'o';
  if (c == Cell::Owned2) return 'x';
  return c == Cell::Start1 || c == Cell::Start2 ? '.' : ' ';
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

class Replay {
 public:
  // Split at every line end: a text ending with one gives a last empty line.
  explicit Replay(std::string_view text) {
    for (size_t start = 0;;) {
      const size_t nl = text.find('\n', start);
      lines_.push_back(text.substr(start, nl - start));
      if (nl == std::string_view::npos) break;
      start = nl + 1;
    }
  }

  TranscriptReport run() {
    TranscriptReport report;
    try {
      while (!game_.over()) half_turn();
      expect_display(99, 2);
      expect(format("Player1:%2d  v.s. Player2:%2d  Finished.", game_.score(1), game_.score(2)),
             "the result line");
      if (pos_ + 1 != lines_.size() || !lines_[pos_].empty())
        throw Mismatch{line_no(), "text after the result line, or no line end"};
      report.finished = report.ok = true;
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

  std::string_view next(const std::string& what) {
    if (pos_ >= lines_.size()) throw Mismatch{line_no(), "transcript ends; expected " + what};
    return lines_[pos_++];
  }

  void expect(const std::string& expected, const std::string& what) {
    const int n = line_no();
    const std::string_view l = next(what);
    if (l != expected)
      throw Mismatch{n, what + ": expected \"" + expected + "\", got \"" +
                            std::string(l.substr(0, 80)) + "\""};
  }

  void expect_display(int turn, int p) {
    const std::string frame = "+--------------+";
    expect(frame, "the board's frame");
    for (int y = 0; y < kBoardSize; ++y) {
      std::string row = "|";
      for (int x = 0; x < kBoardSize; ++x) row += square_char(game_.board().square(x, y));
      expect(row + "|", format("board row %d", y));
    }
    expect(frame, "the board's frame");
    for (int q = 1; q <= 2; ++q) {
      std::string tray = format("P%d: ", q);
      for (int i = 0; i < kPieceCount; ++i)
        tray += game_.pieces_left(q)[i] ? static_cast<char>('a' + i) : ' ';
      expect(tray, format("tray of player %d", q));
    }
    expect(format("Turn-P%d / P1:%2d P2:%2d (%2d)", p, game_.score(1), game_.score(2), turn),
           "the status line");
  }

  void half_turn() {
    const int turn = game_.turn(), p = game_.to_move();
    expect_display(turn, p);
    // Only a player who has placed is tested for a pass.
    if (game_.has_placed(p) && !can_place()) {
      expect(pass_line(p),
             format("player %d has no legal move in turn %d: its pass line", p, turn));
      if (game_.play(Move::pass()) != MoveKind::Blocked)
        throw Mismatch{line_no() - 1, format("the game does not see player %d blocked", p)};
      return;
    }
    if (pos_ < lines_.size() && lines_[pos_].starts_with(kPrompt))
      human_entry(p);
    else
      computer_move(turn, p);
  }

  // Values as echoed: anything out of range is simply not legal.
  bool legal(int x, int y, int piece, int rot) const {
    return x >= 0 && x < kBoardSize && y >= 0 && y < kBoardSize && piece >= 0 &&
           piece < kPieceCount && rot >= 0 && rot < kOrientations &&
           game_.is_legal(make_move(x, y, piece, rot));
  }

  // Whether the player to move has a legal placement, tried candidate by
  // candidate rather than asked of the existence test the program uses.
  bool can_place() const {
    for (int piece = 0; piece < kPieceCount; ++piece)
      for (int rot = 0; rot < kOrientations; ++rot)
        for (int y = 0; y < kBoardSize; ++y)
          for (int x = 0; x < kBoardSize; ++x)
            if (legal(x, y, piece, rot)) return true;
    return false;
  }

  void play(int p, const Move& m) {
    expect(play_line(p, m), "the repeated move line");
    game_.play(m);
    ++moves_;
  }

  void computer_move(int turn, int p) {
    const int n = line_no();
    const std::string_view l = next(format("player %d's move", p));
    const std::string prefix = format("Player %d plays [", p);
    Move m;
    if (l.size() != prefix.size() + 5 || !l.starts_with(prefix) || l.back() != ']' ||
        !decode(l.substr(prefix.size(), 4), m))
      throw Mismatch{n, format("expected player %d's move, prompt or pass line, got \"", p) +
                            std::string(l.substr(0, 80)) + "\""};
    if (!legal(m.x, m.y, m.piece, m.rot))
      throw Mismatch{n,
                     "move " + code_of(m) + format(" of player %d in turn %d is illegal", p, turn)};
    play(p, m);
  }

  // Prompts until an entry is a pass or a legal move.
  void human_entry(int p) {
    for (;;) {
      const int n = line_no();
      const std::string_view l = next(format("a prompt for player %d", p));
      if (!l.starts_with(kPrompt))
        throw Mismatch{n, format("expected a new prompt for player %d", p)};
      if (l == kPrompt && pos_ == lines_.size()) throw InputEnded{};
      const std::string echo(l.substr(kPrompt.size()));
      int x, y, piece, rot;
      if (std::sscanf(echo.c_str(), "%d %d %d %d", &x, &y, &piece, &rot) != 4 ||
          echo != format("%d %d %d %d", x, y, piece, rot))
        throw Mismatch{n, "malformed echo line"};
      if (x == -99) {  // an entry starting with "-"
        expect(pass_line(p), "the pass line of the typed pass");
        game_.play(Move::pass());
        return;
      }
      if (legal(x, y, piece, rot)) {
        const Move m = make_move(x, y, piece, rot);
        expect(play_line(p, m), "the move line of the accepted entry");
        play(p, m);
        return;
      }
    }
  }

  std::vector<std::string_view> lines_;
  size_t pos_ = 0;
  Game game_;
  int moves_ = 0;
};

}  // namespace

TranscriptReport check_transcript(std::string_view text) { return Replay(text).run(); }

}  // namespace trevosk::e2e
