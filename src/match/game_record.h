// GameRecord: one finished game of a match, and its line in a record file.
//
// A record holds who played (seats A and B as given, which was player 1),
// every half-move with the time its seat took, the scores, the result and
// how the game ended. record_json writes it as one JSON object (the fields
// are listed in docs/match.md); parse_record reads such a line back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/move.h"

namespace trevosk {

struct GameRecord {
  std::string version;
  int game = 0;  // the index in the match, from 0
  uint64_t seed = 0;
  uint64_t master_seed = 0;
  std::string seat_a;
  std::string seat_b;
  bool a_first = true;  // seat A is player 1 (even games)
  int openings = 0;     // half-moves drawn at random before the seats played
  std::vector<Move> moves;
  // The milliseconds each half-move took its seat; none for the openings
  // and for the passes of a blocked player, which no seat is asked for.
  std::vector<std::optional<double>> ms;
  int score1 = 0;
  int score2 = 0;
  int winner = 0;          // 1 or 2; 0 for a draw
  int forfeit_player = 0;  // 1 or 2 when the game ended by a forfeit
  std::string reason;      // why, for a forfeit
  // Written after the fields above; absent from older records, which read
  // as a plain match of their two seats.
  std::string tournament;          // "round-robin" or "gauntlet"; "" for a plain match
  int pairing = 0;                 // which pairing of the tournament; 0 in a plain match
  std::vector<std::string> seats;  // every seat of the match, in order
  std::string sprt;                // the SPRT settings, "" without
  // The settings that decide the games besides the seeds and seats, for
  // --resume to tell whether a file holds this match.
  std::string match;

  int pair() const { return game / 2; }
  // The player number seat A had.
  int player_of_a() const { return a_first ? 1 : 2; }
  int score_a() const { return a_first ? score1 : score2; }
  int score_b() const { return a_first ? score2 : score1; }
  // 1, 0.5 or 0 for seat A.
  double points_a() const;
  // "1-0", "0-1" or "1/2-1/2", from player 1's view.
  std::string result_text() const;
};

// Winner by scores: 1, 2, or 0 for equal scores.
int winner_by_score(int score1, int score2);

// One line, without its newline.
std::string record_json(const GameRecord& r);

// Reads a line written by record_json. False with a message when a field is
// missing or wrong.
bool parse_record(std::string_view line, GameRecord& r, std::string& error);

}  // namespace trevosk
