#include "players/levels.h"

#include <array>
#include <cassert>

#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"

namespace trevosk {

namespace {

struct Level {
  std::array<ComPlayer, 2> plain;  // player 1, player 2
  std::array<ComPlayer, 2> noisy;  // the same with random assist
  int width;                       // forced think width; 0 reads the configured one
  // The evaluator the plain strategies rank by, at levels 3 to 5; the
  // three-move reading ranks otherwise at levels 6 to 8, and levels 1 and 2
  // rank nothing.
  std::array<Evaluator, 2> eval;
};

// Where both players of a level share the three-move reading, player 1's
// table names it com_fuun5s_play and player 2's com_fuun5_play at levels 7
// and 8 (the other way round at level 6); the two are the same player, and so
// are com_fuun5sr_play and com_fuun5r_play.
constexpr std::array<Level, kMaxLevel> kLevels = {{
    {{com_rand_play, com_rand_play}, {com_rand_play, com_rand_play}, 0, {}},
    {{com_monte_play, com_monte_play}, {com_monte_play, com_monte_play}, 0, {}},
    {{com_fuun3_play, com_fuun6_play},
     {com_fuun3_play, com_fuun3_play},
     0,
     {com_fuun3_eval, com_fuun6_eval}},
    {{com_fuun4_play, com_fuun3_play},
     {com_fuun4r_play, com_fuun6r_play},
     0,
     {com_fuun4_eval, com_fuun3_eval}},
    {{com_fuun4s_play, com_fuun4_play},
     {com_fuun4sr_play, com_fuun4r_play},
     0,
     {com_fuun4s_eval, com_fuun4_eval}},
    {{com_fuun5_play, com_fuun5_play}, {com_fuun5r_play, com_fuun5r_play}, 4, {}},
    {{com_fuun5_play, com_fuun5_play}, {com_fuun5r_play, com_fuun5r_play}, 7, {}},
    {{com_fuun5_play, com_fuun5_play}, {com_fuun5r_play, com_fuun5r_play}, 0, {}},
}};

}  // namespace

ComPlayer level_strategy(int player, int level, bool random_assist) {
  assert(level >= kMinLevel && level <= kMaxLevel && (player == 1 || player == 2));
  const Level& l = kLevels[level - 1];
  return (random_assist ? l.noisy : l.plain)[player - 1];
}

int level_think_width(int level, int configured) {
  const int forced = kLevels[level - 1].width;
  return forced != 0 ? forced : configured;
}

std::vector<Candidate> level_values(const PlayerContext& ctx, int player, int level,
                                    const PiecesLeft& left, const Board& field, int turn,
                                    const PiecesLeft& opp_left) {
  assert(level >= kMinLevel && level <= kMaxLevel && (player == 1 || player == 2));
  if (level <= 2) return {};
  // Levels 6 to 8 play com_fuun5_play, which chooses in the reading's order.
  if (level >= 6)
    return com_sante_eval(ctx, player, left, field, turn, opp_left, com_fuun4_eval, com_fuun4_eval);
  const EvalResult r =
      kLevels[level - 1].eval[player - 1](ctx, player, left, field, turn, opp_left);
  std::vector<Candidate> out;
  out.reserve(r.moves.size());
  for (size_t i = 0; i < r.moves.size(); ++i) out.push_back({r.moves[i], r.values[i]});
  return out;
}

}  // namespace trevosk
