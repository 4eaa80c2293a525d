// The search tree: nodes and their edges in two bounded pools.
//
// A node is a position reached in the tree; its edges are the moves from
// it, each with its statistics and, once expanded, the node it leads to.
// Positions are not stored: a simulation replays the moves from the root.
// Statistics are updated with atomic operations so that several threads
// can share one tree; results are counted in integers (a win kWin, a draw
// half of it, an evaluation its share), so that every sum is exact and a
// one-thread search repeats exactly.
// Memory is taken from the pools as the tree grows and never given back
// during a search; a pool that is full makes no more nodes.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "rules/move.h"

namespace trevosk {

// The result of a won simulation; a draw counts half.
constexpr uint32_t kWin = 256;

struct Edge {
  Move move;  // a placement, or a pass when the side to move has none
  float prior;
  uint32_t visits;
  uint32_t rave_visits;
  uint64_t wins;       // results of the side that made the move, kWin a win
  uint32_t rave_wins;  // half points of simulations that played the move later
  int32_t margin;      // sum of final score differences, that side's view
  uint32_t child;      // the node it leads to; 0 none yet, kExpanding while being made
  uint32_t unused;
};

struct Node {
  uint32_t first_edge;
  uint32_t edge_count;
};

constexpr uint32_t kExpanding = UINT32_MAX;

// Relaxed atomic access to a statistic shared between threads.
inline uint32_t load(const uint32_t& v) {
  return std::atomic_ref<uint32_t>(const_cast<uint32_t&>(v)).load(std::memory_order_relaxed);
}
inline int32_t load(const int32_t& v) {
  return std::atomic_ref<int32_t>(const_cast<int32_t&>(v)).load(std::memory_order_relaxed);
}
inline uint64_t load(const uint64_t& v) {
  return std::atomic_ref<uint64_t>(const_cast<uint64_t&>(v)).load(std::memory_order_relaxed);
}
template <class T>
void add(T& v, T d) {
  std::atomic_ref<T>(v).fetch_add(d, std::memory_order_relaxed);
}

class TreePool {
 public:
  // Pools whose edges and nodes together take at most `bytes`.
  explicit TreePool(size_t bytes);

  // A new node with room for `edges` edges, or 0 when a pool is full.
  uint32_t new_node(uint32_t edges);
  Node& node(uint32_t i) { return nodes_[i]; }
  const Node& node(uint32_t i) const { return nodes_[i]; }
  Edge* edges(const Node& n) { return edges_.get() + n.first_edge; }
  const Edge* edges(const Node& n) const { return edges_.get() + n.first_edge; }

  uint32_t nodes_used() const { return next_node_.load(); }
  uint64_t edges_used() const { return next_edge_.load(); }
  bool full() const { return full_.load(std::memory_order_relaxed); }
  size_t bytes_used() const;

 private:
  // Allocated without initialising, so that untouched pages cost no memory.
  std::unique_ptr<Node[]> nodes_;
  std::unique_ptr<Edge[]> edges_;
  uint32_t node_capacity_;
  uint64_t edge_capacity_;
  std::atomic<uint32_t> next_node_{1};  // node 0 stands for "none"
  std::atomic<uint64_t> next_edge_{0};
  std::atomic<bool> full_{false};
};

}  // namespace trevosk
