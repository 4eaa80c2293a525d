// The straightforward implementation of the move enumeration and of the
// reach-map players, written directly from the rules: candidate by candidate
// through iscanset and islegal, recursive floods on scratch boards, a board
// copy per candidate. Slow, and kept unchanged as the yardstick that the fast
// implementation in src/ must match move for move and bit for bit.
#pragma once

#include <vector>

#include "fixtures/map_arrays.h"
#include "players/piece_set_eval.h"
#include "players/player.h"
#include "players/reach_map.h"
#include "rules/board.h"
#include "rules/move_list.h"

namespace trevosk::reference {

void make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                     MoveList& out);
std::vector<Move> make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn);
bool isexist_legal(int player, const PiecesLeft& left, const Board& field, int turn);
bool f6_table_legal(const HaveMasks& have, int piece, int x, int y);
void f6_make_legal_list(int player, const PiecesLeft& left, const Board& field, int turn,
                        const HaveMasks& have, MoveList& out);

Move com_rand_play(const PlayerContext& ctx, int player, const PiecesLeft& left, const Board& field,
                   int turn, const PiecesLeft& opp_left);
int com_mont(Rng& rng, int p, int t0, int v, Board& board, int t, int q, PiecesLeft& left_q,
             PiecesLeft& left_other);
Move com_monte_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);

const FuunParams& fuun_params(FuunVariant v);
int fuun_gain(FuunVariant v, int g);
double fuun_cell(FuunVariant v, double acc, double a, double b);
void fuun_master(FuunVariant v, const Board& evaluated, Board& scratch, ReachMap& map, int q,
                 double w, int t, const PiecesLeft& left);
double com_fuun(FuunVariant v, int g, const Board& evaluated, int p, const PiecesLeft& left, int t,
                const PiecesLeft& opp_left);

uint32_t calchave(const PiecesLeft& left);
void fuun6_master(const Board& evaluated, Board& scratch, PieceSetMap& map, int q, double w, int t,
                  const PiecesLeft& left, uint32_t h);
double com_fuun6(int g, const Board& evaluated, int p, const PiecesLeft& left, int t,
                 const PiecesLeft& opp_left);

EvalResult com_fuun3_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
EvalResult com_fuun4_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                          const Board& field, int turn, const PiecesLeft& opp_left);
EvalResult com_fuun4s_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                           const Board& field, int turn, const PiecesLeft& opp_left);
EvalResult com_fuun6_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
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
Move com_fuun6_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun6r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);

std::vector<Candidate> sort_te(std::vector<Candidate> candidates);
double play_sakiyomi(const PlayerContext& ctx, const Move& m, int p, const PiecesLeft& left,
                     const Board& field, int t, const PiecesLeft& opp_left, Evaluator answer,
                     Evaluator reply);
std::vector<Candidate> com_sante_eval(const PlayerContext& ctx, int player, const PiecesLeft& left,
                                      const Board& field, int turn, const PiecesLeft& opp_left,
                                      Evaluator answer, Evaluator reply);
Move com_fuun5_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                    const Board& field, int turn, const PiecesLeft& opp_left);
Move com_fuun5r_play(const PlayerContext& ctx, int player, const PiecesLeft& left,
                     const Board& field, int turn, const PiecesLeft& opp_left);

}  // namespace trevosk::reference
