// Computer-player dispatch: the four level tables and play_com.
#pragma once

#include <array>

#include "game/game_state.h"
#include "game/settings.h"
#include "players/player.h"

namespace trevosk {

using LevelTable = std::array<ComPlayer, 8>;

// The table serving a player: P1, P2, or with random assist P1R, P2R.
const LevelTable& level_table(int player, bool random_assist);

// The strategy for the player's level under the given settings.
ComPlayer strategy_for(const Settings& settings, int player);

// Player 1's stored opening, 66t0; player 2 has none and asks its strategy.
Move play_joseki(const PlayerContext& ctx, const Settings& settings, int player,
                 const PiecesLeft& left, int score, const Board& field, int turn,
                 const PiecesLeft& opp_left);

// Chooses the move of a computer seat (the opening on turn 1 when the book is
// on) and applies it to the game with setpiece, logged.
void play_com(const PlayerContext& ctx, const Settings& settings, GameState& game, int player,
              int turn, MoveLog& log);

}  // namespace trevosk
