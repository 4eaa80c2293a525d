#include "players/levels.h"

#include <gtest/gtest.h>

#include "players/piece_set_eval.h"
#include "players/random_players.h"
#include "players/reach_players.h"
#include "players/three_move.h"

namespace trevosk {
namespace {

// Catches a strategy in the wrong cell of the level table, or a wrong width.
TEST(Levels, TableAndWidths) {
  // Player 1, player 2, player 1 with random assist, player 2 with it. The
  // three-move players com_fuun5s_play and com_fuun5sr_play are
  // com_fuun5_play and com_fuun5r_play.
  const ComPlayer table[8][4] = {
      {com_rand_play, com_rand_play, com_rand_play, com_rand_play},
      {com_monte_play, com_monte_play, com_monte_play, com_monte_play},
      {com_fuun3_play, com_fuun6_play, com_fuun3_play, com_fuun3_play},
      {com_fuun4_play, com_fuun3_play, com_fuun4r_play, com_fuun6r_play},
      {com_fuun4s_play, com_fuun4_play, com_fuun4sr_play, com_fuun4r_play},
      {com_fuun5_play, com_fuun5_play, com_fuun5r_play, com_fuun5r_play},
      {com_fuun5_play, com_fuun5_play, com_fuun5r_play, com_fuun5r_play},
      {com_fuun5_play, com_fuun5_play, com_fuun5r_play, com_fuun5r_play}};
  for (int level = 1; level <= 8; ++level)
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(level_strategy(k % 2 + 1, level, k >= 2), table[level - 1][k]) << level << k;
  const int widths[8] = {20, 20, 20, 20, 20, 4, 7, 20};
  for (int level = 1; level <= 8; ++level)
    EXPECT_EQ(level_think_width(level, 20), widths[level - 1]) << level;
}

}  // namespace
}  // namespace trevosk
