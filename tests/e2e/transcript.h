// Transcript checker: replays the standard output of a text-mode game with
// the rules core and reports the first line that does not follow from the
// game so far.
//
// It follows the game loop half-turn by half-turn: the display before each
// half-turn must show the replayed board, trays, scores, turn and player;
// every logged move (written twice) must be legal for its player at that
// point; a forced pass line must appear exactly when a player who has placed
// has no legal move; a human seat's echo lines must be followed by what the
// echoed entry implies (a voluntary pass, the move played, or a new prompt).
// The transcript either ends with the final display and the result line, or
// at a prompt that got no answer because the input ended.
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
