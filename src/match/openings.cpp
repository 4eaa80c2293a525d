#include "match/openings.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <numeric>
#include <sstream>

#include "game/game.h"
#include "game/notation.h"
#include "match/seeds.h"
#include "players/rng.h"

namespace trevosk {

std::vector<Move> draw_opening(uint64_t master_seed, int pair, int count) {
  Rng rng(opening_seed(master_seed, pair));
  Game game;
  std::vector<Move> moves;
  while (static_cast<int>(moves.size()) < count && !game.over()) {
    const std::vector<Move> legal = game.legal_moves();
    const Move m = legal[rng.index(static_cast<int>(legal.size()))];
    game.play(m);
    moves.push_back(m);
  }
  return moves;
}

bool parse_opening_suite(std::string_view text, OpeningSuite& suite, std::string& error) {
  suite = OpeningSuite{};
  std::string canonical;  // the moves as written back, hashed
  int line_no = 0;
  while (!text.empty()) {
    ++line_no;
    const size_t end = std::min(text.find('\n'), text.size());
    std::string line(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    Game game;
    std::vector<Move> moves;
    for (std::string word; words >> word;) {
      const Move m = parse_move(word);
      const std::string where = "line " + std::to_string(line_no) + ", half-move " +
                                std::to_string(moves.size() + 1) + ": ";
      if (m.is_none()) return (error = where + "`" + word + "' is not a move"), false;
      if (game.over()) return (error = where + "the game is already over"), false;
      if (!game.is_legal(m)) return (error = where + move_text(m) + " is not legal"), false;
      game.play(m);
      moves.push_back(m);
      canonical += move_text(m) + ' ';
    }
    if (moves.empty()) continue;
    canonical += '\n';
    suite.lines.push_back(std::move(moves));
  }
  if (suite.lines.empty()) return (error = "no openings"), false;
  // FNV-1a, 64 bits.
  suite.hash = 0xcbf29ce484222325ULL;
  for (const char c : canonical)
    suite.hash = (suite.hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
  return true;
}

bool read_opening_suite(const std::string& path, OpeningSuite& suite, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  if (!in || !(text << in.rdbuf())) return (error = path + ": " + std::strerror(errno)), false;
  if (!parse_opening_suite(text.str(), suite, error)) return (error = path + ": " + error), false;
  return true;
}

size_t opening_line(size_t lines, uint64_t master_seed, int pair, bool random) {
  const size_t k = static_cast<size_t>(pair);
  if (!random) return k % lines;
  // A Fisher-Yates shuffle for this pass through the suite.
  std::vector<size_t> order(lines);
  std::iota(order.begin(), order.end(), size_t{0});
  Rng rng(splitmix64(opening_seed(master_seed, static_cast<int>(k / lines)) ^ 0x6f70656e696e67ULL));
  for (size_t i = lines - 1; i > 0; --i)
    std::swap(order[i], order[static_cast<size_t>(rng.index(static_cast<int>(i + 1)))]);
  return order[k % lines];
}

}  // namespace trevosk
