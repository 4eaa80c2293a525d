// Transcript checker: replays the standard output of a text-mode game with
// the rules core, half-turn by half-turn as the game loop runs, and reports
// the first line that does not follow from the game so far. Every logged
// move must be legal for its player; a pass line must appear exactly when a
// player who has placed has no legal move (found by trying every placement,
// not by the program's existence test), and Game must count it as that
// player being blocked; the displays' board, trays and status line and the
// result line must show the replayed position; a human seat's echoed entry
// must be followed by what it implies (a pass, the move played, or a new
// prompt). The transcript ends with the result line, or at
// a prompt left unanswered because the input ended.
#pragma once

#include <string>
#include <string_view>

namespace trevosk::e2e {

struct TranscriptReport {
  bool ok = false;
  bool finished = false;  // ended with the result line
  int line = 0;           // 1-based line of the first inconsistency
  std::string message;    // what is wrong there
  int moves = 0;          // moves replayed up to the end or the error
};

TranscriptReport check_transcript(std::string_view text);

}  // namespace trevosk::e2e
