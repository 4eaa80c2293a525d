#include "match/tournament.h"

namespace trevosk {

std::string tournament_name(Tournament t) {
  return t == Tournament::RoundRobin ? "round-robin" : t == Tournament::Gauntlet ? "gauntlet" : "";
}

bool parse_tournament(std::string_view name, Tournament& t) {
  for (const Tournament k : {Tournament::None, Tournament::RoundRobin, Tournament::Gauntlet})
    if (name == tournament_name(k)) {
      t = k;
      return true;
    }
  return false;
}

std::vector<std::pair<int, int>> tournament_pairings(Tournament t, int seats) {
  std::vector<std::pair<int, int>> pairings;
  for (int a = 0; a < seats; ++a)
    for (int b = a + 1; b < seats; ++b)
      if (t == Tournament::RoundRobin || a == 0) pairings.emplace_back(a, b);
  return pairings;
}

GameSlot game_slot(int game, int pairings) {
  const int q = game / 2;
  return {q % pairings, q / pairings};
}

}  // namespace trevosk
