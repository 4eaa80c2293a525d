// The transcript checker must reject what is wrong, not only accept what is
// right: reference transcripts with one fault each are refused at the line
// of the fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

#include "e2e_util.h"
#include "transcript.h"

namespace trevosk::e2e {
namespace {

using Lines = std::vector<std::string>;

std::string read_golden(const std::string& name) {
  std::ifstream f(std::string(GOLDEN_DIR) + "/" + name, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Split at every line end; joining again gives back the same bytes.
Lines split(const std::string& text) {
  Lines lines(1);
  for (char c : text) {
    if (c == '\n')
      lines.emplace_back();
    else
      lines.back().push_back(c);
  }
  return lines;
}
std::string join(const Lines& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

// Index of the n-th line (from 0) that starts with prefix.
size_t find_line(const Lines& lines, const std::string& prefix, int n = 0) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].starts_with(prefix) && n-- == 0) return i;
  ADD_FAILURE() << "no line " << prefix;
  return 0;
}

struct Corruption {
  const char* what;
  const char* file;
  // Changes the transcript and returns the 1-based line the checker must name.
  std::function<size_t(Lines&)> apply;
  const char* message;  // part of the checker's message
};

const std::vector<Corruption> kCorruptions = {
    {"a first move off its start square", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 1 plays [66t0]");
       l[i] = l[i + 1] = "Player 1 plays [AAt0]";
       return i + 1;
     },
     "is illegal: it does not cover"},
    {"a piece played twice", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 2 plays", 2);
       l[i] = l[i + 1] = l[find_line(l, "Player 2 plays")];
       return i + 1;
     },
     "is illegal: its piece is already used"},
    {"a move line not repeated", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 1 plays [66t0]");
       l.erase(l.begin() + i + 1);
       return i + 2;
     },
     "the repeated move line"},
    {"a wrong score in a status line", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Turn-P2 / P1: 5 P2: 0 ( 1)");
       l[i] = "Turn-P2 / P1: 4 P2: 0 ( 1)";
       return i + 1;
     },
     "status line"},
    {"a wrong score in the result line", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player1:");
       l[i] = "Player1:1" + l[i].substr(8);
       return i + 1;
     },
     "the result line"},
    {"a missing forced pass line", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 2 passes");
       l.erase(l.begin() + i);
       return i + 1;
     },
     "player 2 has no legal move"},
    {"a blocked player asked to move", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 1 passes");
       l[i] = "Input> 1 1 0 0";
       return i + 1;
     },
     "player 1 has no legal move"},
    {"a pass line for a player who can move", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 2 plays", 2);
       l[i] = "Player 2 passes [----]";
       l.erase(l.begin() + i + 1);
       return i + 1;
     },
     "pass line, but player 2 has a legal move"},
    {"a board square that no move covered", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Player 1 plays [66t0]") + 3;  // after it, row 0
       l[i][1] = 'x';
       return i + 1;
     },
     "board row 0"},
    {"a tray still showing a placed piece", "game_3_3.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "P1: ", 1);
       l[i] = "P1: abcdefghijklmnopqrstu";
       return i + 1;
     },
     "tray of player 1"},
    {"a transcript cut short", "game_3_3.stdout",
     [](Lines& l) {
       l.resize(100);
       l.push_back("");
       return size_t{101};
     },
     "transcript ends"},
    {"an accepted entry without its move", "human_p1_vs4_a.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Input> 4 4 0 8");
       l[i] = "Input> 4 4 0 7";  // legal: the monomino on the start square
       return i + 2;
     },
     "the move line of the accepted entry"},
    {"a refused entry followed by a move", "human_p1_vs4_a.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Input> 4 5 20 6");
       l[i] = "Input> 4 5 20 8";
       return i + 2;
     },
     "must be refused (out of range)"},
    {"a pass line without the typed pass", "human_p1_vs4_a.stdout",
     [](Lines& l) {
       const size_t i = find_line(l, "Input> -99 -99 -20 -98");
       l[i] = "Input> 99 99 99 99";
       return i + 2;
     },
     "must be refused"},
};

TEST(TranscriptCheck, RejectsEachCorruptionAtItsLine) {
  for (const Corruption& c : kCorruptions) {
    SCOPED_TRACE(c.what);
    const std::string original = read_golden(c.file);
    ASSERT_TRUE(check_transcript(original).ok);
    Lines lines = split(original);
    const size_t line = c.apply(lines);
    const TranscriptReport r = check_transcript(join(lines));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, static_cast<int>(line)) << r.message;
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
  }
}

TEST(TranscriptCheck, ToolReportsFileLineAndStatus) {
  const std::string golden = std::string(GOLDEN_DIR) + "/game_3_3.stdout";
  const RunResult good = run_process(TRANSCRIPT_CHECK_BINARY, {"transcript_check", golden}, "");
  Lines lines = split(read_golden("game_3_3.stdout"));
  const auto moves = std::count_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.starts_with("Player ") && l.find(" plays [") != std::string::npos;
  });
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out,
            golden + ": consistent, " + std::to_string(moves / 2) + " moves, game finished\n");

  const size_t i = find_line(lines, "Player1:");
  lines[i] = "Player1: 0  v.s. Player2: 0  Finished.";
  const RunResult bad =
      run_process(TRANSCRIPT_CHECK_BINARY, {"transcript_check", "-"}, join(lines));
  EXPECT_EQ(bad.status, 1);
  EXPECT_TRUE(bad.err.starts_with("-:" + std::to_string(i + 1) + ": the result line")) << bad.err;
}

}  // namespace
}  // namespace trevosk::e2e
