// Tournaments: which seats meet, and where each game of a match falls.
//
// A plain match has two seats and one pairing. A round-robin pairs every
// seat with every later one, (0,1), (0,2), ..., (1,2), ...; a gauntlet pairs
// the first seat with each other one. The lower seat of a pairing is its
// seat A. Games go round the pairings pair by pair: game g belongs to pair
// q = g / 2 of the match, which is pair q / P of pairing q % P (P
// pairings), so every pairing plays its k-th pair with the same opening and
// a match stopped early has played the pairings alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trevosk {

enum class Tournament : uint8_t { None, RoundRobin, Gauntlet };

// "round-robin", "gauntlet", or "" for None.
std::string tournament_name(Tournament t);
// Reads a name tournament_name gives; false for anything else.
bool parse_tournament(std::string_view name, Tournament& t);

// The seat indices (A, B) of every pairing, in order.
std::vector<std::pair<int, int>> tournament_pairings(Tournament t, int seats);

struct GameSlot {
  int pairing = 0;
  int pair = 0;  // the pair's index within its pairing: the opening it plays
};
GameSlot game_slot(int game, int pairings);

}  // namespace trevosk
