// The search levels in a game: the game's position as the search sees it,
// and one search for the side to move with a seat's settings.
#pragma once

#include "game/computer_seat.h"
#include "game/game.h"
#include "search/search.h"

namespace trevosk {

SearchPosition search_position(const GameState& state);

// Searches the game's position for the side to move with the seat's
// budget: its simulations, or its level's when it sets neither simulations
// nor a time. The search's seed is drawn from rng. Changes nothing else.
SearchResult search_game(const Game& game, const ComputerConfig& config, Rng& rng);

}  // namespace trevosk
