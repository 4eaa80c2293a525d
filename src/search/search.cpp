#include "search/search.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <thread>

#include "players/reach_map.h"
#include "players/reach_players.h"
#include "search/endgame.h"
#include "search/orientations.h"
#include "search/tree.h"

namespace trevosk {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxPly = 2 * 22 + 2;
constexpr int kMaxMoves = 96 * 196;
constexpr int kPvLength = 8;
// Move identities for the all-moves-as-first statistics: piece, orientation
// and anchor square.
constexpr int kMoveIds = kPieceCount * kOrientations * 256;

int move_id(const Move& m) {
  return (m.piece * kOrientations + m.rot) * 256 + Bitboard::index(m.x, m.y);
}

// How the reach-map score v of a position, for the player who has just
// moved in turn t, tells that player's chance to win: 1 / (1 + exp(-slope *
// (v - even))). Fitted to the outcomes of games of level 8 after four random
// half-moves (docs/search.md).
struct ReachScale {
  double slope;
  double even;
};
const ReachScale& reach_scale(int turn) {
  // Turns 1 to 14; the first three share what turn 3's positions showed.
  static constexpr ReachScale kScales[] = {
      {0.236, 2.64}, {0.236, 2.64},  {0.236, 2.64},  {0.380, 1.12},  {0.505, 0.84},
      {0.505, 0.72}, {0.556, 0.56},  {0.556, 0.34},  {0.505, 0.24},  {0.459, 0.16},
      {0.380, 0.02}, {0.314, -0.16}, {0.345, -0.44}, {0.380, -0.74},
  };
  constexpr int n = sizeof kScales / sizeof kScales[0];
  return kScales[std::clamp(turn, 1, n) - 1];
}

// What one thread needs for its simulations; nothing here grows.
struct Worker {
  explicit Worker(uint64_t seed) : rng(seed) {}
  FastRng rng;
  uint32_t simulation = 0;
  // For the all-moves-as-first statistics: the simulation in which each
  // player last placed each move, and the ply at which it did.
  std::array<std::array<uint32_t, kMoveIds>, 2> seen_in{};
  std::array<std::array<uint8_t, kMoveIds>, 2> seen_at{};
  struct Step {
    uint32_t node;
    uint32_t edge;  // index among the node's edges
    uint8_t mover;
  };
  std::array<Step, kMaxPly + 1> path;
  std::array<Move, kMaxMoves> moves;
  std::array<float, kMaxMoves> priors;
  std::array<uint32_t, kMaxMoves> order;
};

class Search {
 public:
  Search(const SearchPosition& root, const SearchSettings& settings, uint64_t playouts)
      : root_(root),
        p_(settings.params),
        budget_(playouts),
        move_time_(settings.move_time),
        pool_(static_cast<size_t>(std::max(1, p_.memory_mb)) << 20) {}

  // Makes the root node; false when the side to move has at most one move.
  bool prepare(Worker& w) {
    root_node_ = expand(root_, 0, w);
    return root_node_ != 0 && pool_.node(root_node_).edge_count > 1;
  }

  void run(Worker& w, bool keeps_time) {
    while (!stop_.load(std::memory_order_relaxed)) {
      if (budget_ && started_.fetch_add(1, std::memory_order_relaxed) >= budget_) break;
      simulate(w);
      done_.fetch_add(1, std::memory_order_relaxed);
      if (keeps_time && move_time_ > 0 && (w.simulation & 15) == 0 &&
          std::chrono::duration<double>(Clock::now() - start_).count() >= move_time_)
        stop_.store(true);
    }
    if (keeps_time) stop_.store(true);
  }

  SearchResult result() const;

  Clock::time_point start_ = Clock::now();

 private:
  uint32_t expand(const SearchPosition& s, int depth, Worker& w);
  uint32_t select(const Node& node, uint32_t visits) const;
  double value(const Edge& e, double log_visits) const;
  void simulate(Worker& w);
  // The share of a simulation's result the reach maps give at a leaf, and
  // their judgement of it: player 1's chance to win.
  double leaf_share(const SearchPosition& s) const;
  double leaf_judgement(const SearchPosition& s) const;
  std::vector<Move> principal_variation(const Edge& first) const;

  const SearchPosition root_;
  const SearchParams p_;
  const uint64_t budget_;
  const double move_time_;
  TreePool pool_;
  uint32_t root_node_ = 0;
  uint32_t root_visits_ = 0;
  std::atomic<uint64_t> started_{0};
  std::atomic<uint64_t> done_{0};
  std::atomic<bool> stop_{false};
};

// Adds the reach-map evaluation of each move, times `weight`, to its prior
// score.
void add_reach_values(const SearchPosition& s, std::span<const Move> moves, double weight,
                      std::span<float> scores) {
  Board field;
  for (int i = 0; i < 2; ++i)
    s.own[i].for_each(
        [&](int a) { field.set_square(Bitboard::x_of(a), Bitboard::y_of(a), owned_cell(i + 1)); });
  const int p = s.to_move + 1;
  // On the calling search thread alone: the search's threads are its parallelism.
  const EvalResult r =
      com_fuun4_eval(PlayerContext{}, p, PiecesLeft::from_mask(s.left[p - 1]), field,
                     s.placed[p - 1] ? s.turn : 1, PiecesLeft::from_mask(s.left[2 - p]));
  std::vector<float> value(kMoveIds, 0.0f);
  for (size_t k = 0; k < r.moves.size(); ++k) value[move_id(r.moves[k])] = float(r.values[k]);
  for (size_t k = 0; k < moves.size(); ++k) scores[k] += float(weight * value[move_id(moves[k])]);
}

uint32_t Search::expand(const SearchPosition& s, int depth, Worker& w) {
  int n = s.blocked[s.to_move] ? 0 : search_placements(s, w.moves.data());
  if (n == 0) {
    const uint32_t index = pool_.new_node(1);
    if (index) *pool_.edges(pool_.node(index)) = Edge{Move::pass(), 1.0f, 0, 0, 0, 0, 0, 0, 0};
    return index;
  }
  const std::span<const Move> moves(w.moves.data(), n);
  const std::span<float> priors(w.priors.data(), n);
  prior_scores(s, moves, p_.prior, priors);
  if (p_.reach > 0 && depth <= p_.reach_depth) add_reach_values(s, moves, p_.reach, priors);
  normalise_priors(priors, p_.prior.temperature);
  for (int k = 0; k < n; ++k) w.order[k] = k;
  // Best prior first; equal priors keep the listing's order.
  std::sort(w.order.begin(), w.order.begin() + n, [&](uint32_t a, uint32_t b) {
    return priors[a] != priors[b] ? priors[a] > priors[b] : a < b;
  });
  const uint32_t index = pool_.new_node(n);
  if (!index) return 0;
  Edge* edges = pool_.edges(pool_.node(index));
  for (int k = 0; k < n; ++k)
    edges[k] = Edge{moves[w.order[k]], priors[w.order[k]], 0, 0, 0, 0, 0, 0, 0};
  return index;
}

double Search::value(const Edge& e, double log_visits) const {
  const uint32_t n = load(e.visits);
  const uint32_t m = p_.rave > 0 ? load(e.rave_visits) : 0;
  double q = p_.fpu;
  if (n > 0) {
    q = double(load(e.wins)) / (double(kWin) * n);
    if (p_.score_bonus > 0) {
      const double margin = load(e.margin) / (p_.score_scale * n);
      q = (1 - p_.score_bonus) * q + p_.score_bonus * (0.5 + 0.5 * std::clamp(margin, -1.0, 1.0));
    }
  }
  if (m > 0) {
    const double rave_q = load(e.rave_wins) / (2.0 * m);
    const double beta = m / (m + n + n * (m / p_.rave));
    q = (1 - beta) * q + beta * rave_q;
  }
  q += p_.bias * e.prior / (n + 1);
  if (p_.explore > 0) q += p_.explore * std::sqrt(log_visits / (n + 1));
  return q;
}

uint32_t Search::select(const Node& node, uint32_t visits) const {
  const Edge* edges = pool_.edges(node);
  const double open = p_.widen_base + p_.widen_rate * std::pow(double(visits), p_.widen_power);
  const uint32_t k = std::clamp<uint32_t>(static_cast<uint32_t>(open), 1, node.edge_count);
  const double log_visits = std::log(double(visits) + 1);
  uint32_t best = 0;
  double best_value = -1e300;
  for (uint32_t j = 0; j < k; ++j) {
    const double v = value(edges[j], log_visits);
    if (v > best_value) best_value = v, best = j;
  }
  return best;
}

void Search::simulate(Worker& w) {
  ++w.simulation;
  const uint32_t sim = w.simulation;
  SearchPosition s = root_;
  uint32_t node = root_node_;
  std::atomic_ref<uint32_t>(root_visits_).fetch_add(1, std::memory_order_relaxed);
  uint32_t visits = load(root_visits_);
  int depth = 0;
  // 1. Descend the tree.
  while (!s.over()) {
    const Node& nd = pool_.node(node);
    const uint32_t j = select(nd, visits);
    Edge& e = pool_.edges(nd)[j];
    add(e.visits, 1u);
    w.path[depth] = {node, j, s.to_move};
    if (e.move.is_pass()) {
      s.pass();
    } else {
      const int id = move_id(e.move);
      w.seen_in[s.to_move][id] = sim;
      w.seen_at[s.to_move][id] = static_cast<uint8_t>(depth);
      s.play(e.move);
    }
    ++depth;
    visits = load(e.visits);
    uint32_t child = std::atomic_ref<uint32_t>(e.child).load(std::memory_order_acquire);
    if (child == 0 && visits >= static_cast<uint32_t>(p_.expand) && !pool_.full() && !s.over()) {
      // 2. Make the node this edge leads to, unless another thread is at it.
      uint32_t expected = 0;
      if (std::atomic_ref<uint32_t>(e.child).compare_exchange_strong(expected, kExpanding)) {
        const uint32_t made = expand(s, depth, w);
        std::atomic_ref<uint32_t>(e.child).store(made, std::memory_order_release);
      }
      break;
    }
    if (child == 0 || child == kExpanding) break;
    node = child;
  }
  // 3. Judge the leaf by the reach maps while the playouts judge it poorly,
  // then finish the game at random.
  const int tree_depth = depth;
  const double share = leaf_share(s);
  const double judged = share > 0 ? leaf_judgement(s) : 0;
  playout(s, p_.policy, w.rng, [&](int ply, int player, const Move& m) {
    const int id = move_id(m);
    w.seen_in[player][id] = sim;
    w.seen_at[player][id] = static_cast<uint8_t>(tree_depth + ply);
  });
  // 4. Back the result up the path, for each edge from its mover's view.
  const int margin0 = s.margin(0);
  for (int d = 0; d < tree_depth; ++d) {
    const Worker::Step& step = w.path[d];
    const int margin = step.mover == 0 ? margin0 : -margin0;
    const uint32_t half_points = margin > 0 ? 2 : margin == 0 ? 1 : 0;
    uint64_t result = half_points * (kWin / 2);
    if (share > 0) {
      const double p0 = step.mover == 0 ? judged : 1 - judged;
      result = static_cast<uint64_t>(std::lround((1 - share) * double(result) + share * kWin * p0));
    }
    const Node& nd = pool_.node(step.node);
    Edge* edges = pool_.edges(nd);
    Edge& e = edges[step.edge];
    add(e.wins, result);
    add(e.margin, static_cast<int32_t>(margin));
    if (p_.rave <= 0) continue;
    const auto& seen_in = w.seen_in[step.mover];
    const auto& seen_at = w.seen_at[step.mover];
    for (uint32_t j = 0; j < nd.edge_count; ++j) {
      const Move& m = edges[j].move;
      if (m.is_pass()) continue;
      const int id = move_id(m);
      if (seen_in[id] != sim || seen_at[id] < d) continue;
      add(edges[j].rave_visits, 1u);
      add(edges[j].rave_wins, half_points);
    }
  }
}

double Search::leaf_share(const SearchPosition& s) const {
  if (p_.judge <= 0 || s.over() || s.turn >= p_.judge_end) return 0;
  return p_.judge * double(p_.judge_end - s.turn) / double(p_.judge_end - 1);
}

double Search::leaf_judgement(const SearchPosition& s) const {
  // The player who moved last, and the turn of its move.
  const int j = 1 - s.to_move;
  const int turn = j == 0 ? s.turn : s.turn - 1;
  const MapSide mover{s.own[j], s.occupied(), s.start[j]};
  const MapSide opponent{s.own[1 - j], s.occupied(), s.start[1 - j]};
  const double v =
      com_fuun(FuunVariant::Fuun4, 0, mover, opponent, PiecesLeft::from_mask(s.left[j]), turn,
               j + 1, PiecesLeft::from_mask(s.left[1 - j]));
  const ReachScale& c = reach_scale(turn);
  const double p = 1 / (1 + std::exp(-c.slope * (v - c.even)));
  return j == 0 ? p : 1 - p;
}

std::vector<Move> Search::principal_variation(const Edge& first) const {
  std::vector<Move> pv{first.move};
  uint32_t node = first.child;
  while (node != 0 && node != kExpanding && pv.size() < kPvLength) {
    const Node& nd = pool_.node(node);
    const Edge* edges = pool_.edges(nd);
    const Edge* best = nullptr;
    for (uint32_t j = 0; j < nd.edge_count; ++j)
      if (edges[j].visits > 0 && (!best || edges[j].visits > best->visits)) best = &edges[j];
    if (!best) break;
    pv.push_back(best->move);
    node = best->child;
  }
  return pv;
}

SearchResult Search::result() const {
  SearchResult r;
  if (root_node_ == 0) return r;
  const Node& root = pool_.node(root_node_);
  const Edge* edges = pool_.edges(root);
  for (uint32_t j = 0; j < root.edge_count; ++j) {
    const Edge& e = edges[j];
    SearchCandidate c;
    c.move = e.move;
    c.visits = e.visits;
    c.prior = e.prior;
    if (e.visits > 0) {
      c.win_rate = double(e.wins) / (double(kWin) * e.visits);
      c.mean_margin = double(e.margin) / e.visits;
    }
    c.pv = principal_variation(e);
    r.candidates.push_back(std::move(c));
  }
  // Most visited first; then the better win rate; then the better prior.
  std::stable_sort(r.candidates.begin(), r.candidates.end(),
                   [](const SearchCandidate& a, const SearchCandidate& b) {
                     if (a.visits != b.visits) return a.visits > b.visits;
                     return a.win_rate > b.win_rate;
                   });
  r.move = r.candidates.front().move;
  r.simulations = done_.load();
  r.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
  r.nodes = pool_.nodes_used() - 1;
  r.tree_bytes = pool_.bytes_used();
  r.pool_full = pool_.full();
  return r;
}

}  // namespace

SearchResult search(const SearchPosition& root, const SearchSettings& settings, uint64_t playouts,
                    uint64_t seed) {
  const int threads = std::max(1, settings.threads);
  auto workers = std::make_unique<std::unique_ptr<Worker>[]>(threads);
  for (int t = 0; t < threads; ++t)
    workers[t] = std::make_unique<Worker>(seed + 0x9E37ull * static_cast<uint64_t>(t));
  // Without a time, at least one simulation.
  Search search(root, settings,
                settings.move_time > 0 ? playouts : std::max<uint64_t>(playouts, 1));
  if (search.prepare(*workers[0])) {
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
      helpers.emplace_back([&, t] { search.run(*workers[t], false); });
    search.run(*workers[0], true);
    for (std::thread& h : helpers) h.join();
  }
  SearchResult result = search.result();
  // Late in the game the end can be searched exactly: its best move is
  // played, whatever the simulations said.
  if (settings.params.solve > 0 && result.candidates.size() > 1) {
    if (const auto exact = solve_endgame(root, settings.params.solve)) {
      result.move = exact->move;
      result.solved = true;
      // The move played leads the candidates.
      std::stable_partition(result.candidates.begin(), result.candidates.end(),
                            [&](const SearchCandidate& c) { return c.move == exact->move; });
    }
  }
  return result;
}

}  // namespace trevosk
