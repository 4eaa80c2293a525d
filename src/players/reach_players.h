// Reach-map players (levels 3 to 5): every legal move scored by the reach
// maps it leaves, the best one played, optionally after random noise.
#pragma once

#include "players/player.h"

namespace trevosk {

EvalResult com_fuun3_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
EvalResult com_fuun4_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
EvalResult com_fuun4s_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                           const Board& field, int turn, const PiecesLeft& opp_left);

Move com_fuun3_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun4_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun4r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun4s_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun4sr_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                      const Board& field, int turn, const PiecesLeft& opp_left);

}  // namespace trevosk
